#include "cli/reading_json.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>

#include "cli/json_text.h"
#include "reading/body_names.h"
#include "reading/dasha_lords.h"
#include "reading/driver.h"
#include "reading/iso_dates.h"
#include "reading/sign_tables.h"
#include "reading/vargas.h"
#include "reading/vimshottari_dasha.h"

namespace cli {

namespace {

void AppendTruth(JsonWriter& out, bool value) {
    using namespace std::string_view_literals;
    out.Append(value ? "true"sv : "false"sv);
}

// The appenders of list elements, one name each.
void AppendShortText(JsonWriter& out, const engine::SmallText& text) {
    AppendJsonShortText(out, text);
}

void AppendTableText(JsonWriter& out, std::string_view text) {
    AppendPlainJsonString(out, text);
}

void AppendDecimal(JsonWriter& out, double value) {
    AppendJsonDecimal(out, value);
}

// Members are written straight into the text: a batch writes a hundred of them a chart, and
// the keys are plain names that need no escaping. Every key is written with its comma, a copy of
// a size known when the program is compiled; the first member's comma becomes the brace. Room
// for the closing brace, and for the opening one of an empty object, is reserved at the start.
class Members {
  public:
    explicit Members(JsonWriter& out) : out_(out) { out_.Reserve(2); }
    ~Members() {
        if (first_) {
            out_.Release(1);
            out_.Append('{');
        }
        out_.Release(1);
        out_.Append('}');
    }
    Members(const Members&) = delete;
    Members& operator=(const Members&) = delete;

    // keyText is a "…"_key literal.
    [[gnu::always_inline]] void Key(std::string_view keyText) {
        out_.Append(keyText);
        if (first_) {
            out_.Back(keyText.size()) = '{';
            out_.Release(1);
            first_ = false;
        }
    }
    void Text(std::string_view key, std::string_view value) {
        Key(key);
        AppendJsonString(out_, value);
    }
    void ShortText(std::string_view key, const engine::SmallText& value) {
        Key(key);
        AppendJsonShortText(out_, value);
    }
    // value is a name from one of the tables checked below.
    void TableText(std::string_view key, std::string_view value) {
        Key(key);
        AppendPlainJsonString(out_, value);
    }
    void Number(std::string_view key, int value) {
        Key(key);
        AppendJsonNumber(out_, value);
    }
    void Decimal(std::string_view key, double value) {
        Key(key);
        AppendJsonDecimal(out_, value);
    }
    void Truth(std::string_view key, bool value) {
        Key(key);
        AppendTruth(out_, value);
    }
    void Prepared(std::string_view key, std::string_view json) {
        Key(key);
        out_.Append(json);
    }
    template <typename Values, typename AppendOne>
    void List(std::string_view key, const Values& values, AppendOne appendOne) {
        Key(key);
        out_.Append('[');
        bool first = true;
        for (const auto& value : values) {
            if (!first) {
                out_.Append(',');
            }
            first = false;
            appendOne(out_, value);
        }
        out_.Append(']');
    }

  private:
    JsonWriter& out_;
    bool first_ = true;
};

// The names a reading takes from the program's tables are written without a look at their
// bytes, so every one of them must be plain.
constexpr bool AllPlain(const auto& table, auto name) {
    return std::ranges::all_of(table, IsPlainJsonText, name);
}
static_assert(AllPlain(reading::SignAbbreviationTable, std::identity{}) &&
              AllPlain(reading::RashiNames, std::identity{}) &&
              AllPlain(reading::NakshatraNames, std::identity{}) &&
              AllPlain(reading::NakshatraLordTable, &reading::NakshatraLordRow::lord) &&
              AllPlain(reading::kDashaLords, &reading::DashaLord::name) &&
              AllPlain(reading::kPositionsWords, std::identity{}) &&
              AllPlain(reading::kAyanamsaWords, std::identity{}) &&
              AllPlain(reading::kNodeWords, std::identity{}));

void AppendBirth(JsonWriter& out, const reading::BirthData& birth) {
    Members json(out);
    json.Text("name"_key, birth.name);
    json.Number("day"_key, birth.day);
    json.Number("month"_key, birth.month);
    json.Number("year"_key, birth.year);
    json.Number("hour"_key, birth.hour);
    json.Number("minute"_key, birth.minute);
    json.Number("zoneHours"_key, birth.zoneHours);
    json.Number("zoneMinutes"_key, birth.zoneMinutes);
    json.Number("longitudeDegrees"_key, birth.longitudeDegrees);
    json.Number("longitudeMinutes"_key, birth.longitudeMinutes);
    json.Number("latitudeDegrees"_key, birth.latitudeDegrees);
    json.Number("latitudeMinutes"_key, birth.latitudeMinutes);
    json.Truth("isEast"_key, birth.isEast);
    json.Truth("isSouth"_key, birth.isSouth);
    json.Truth("isDaylightSaving"_key, birth.isDaylightSaving);
    json.Text("city"_key, birth.city);
    json.Text("state"_key, birth.state);
    json.Text("country"_key, birth.country);
    json.Number("zoneHourOffset"_key, birth.zoneHourOffset);
    json.Number("zoneMinuteOffset"_key, birth.zoneMinuteOffset);
}

void AppendPeriodTimes(Members& json, const reading::DashaPeriod& period) {
    json.TableText("lord"_key, period.lord);
    json.Text("start"_key, reading::IsoDate(reading::DateOfMoment(period.start)));
    json.Text("end"_key, reading::IsoDate(reading::DateOfMoment(period.end)));
}

void AppendAntardasha(JsonWriter& out, const reading::DashaPeriod& antardasha) {
    Members json(out);
    AppendPeriodTimes(json, antardasha);
}

void AppendMahadasha(JsonWriter& out, const reading::Mahadasha& mahadasha) {
    Members json(out);
    AppendPeriodTimes(json, mahadasha.period);
    json.List("antardashas"_key, mahadasha.antardashas, AppendAntardasha);
}

void AppendDasha(JsonWriter& out, const reading::VimshottariDasha& dasha) {
    constexpr double kYearSteps = 10000;  // the balance to four decimals of a year
    Members json(out);
    json.Decimal("yearDays"_key, reading::kDaysPerDashaYear);
    json.Key("balance"_key);
    {
        Members balance(out);
        balance.TableText("lord"_key, dasha.balanceLord());
        balance.Decimal("years"_key, std::round(dasha.balanceYears * kYearSteps) / kYearSteps);
    }
    json.List("periods"_key, dasha.mahadashas, AppendMahadasha);
}

// The divisional charts' keys as written after another member, each the chart's key in the
// program's table.
constexpr std::array<std::string_view, reading::kVargaCount> kVargaKeys{
    "D1"_key,  "D2"_key,  "D3"_key,  "D4"_key,  "D7"_key,  "D9"_key,  "D10"_key, "D12"_key,
    "D16"_key, "D20"_key, "D24"_key, "D27"_key, "D30"_key, "D40"_key, "D45"_key, "D60"_key};
static_assert(std::ranges::equal(
    kVargaKeys, reading::kVargaCharts, {},
    [](std::string_view key) { return key.substr(2, key.size() - 4); }, &reading::VargaChart::key));

// Each sign of a divisional chart as written in its list, "Ari", with the comma, in one
// eight-byte word; the two bytes past the comma are overwritten by what follows. A batch writes
// 160 of them a chart.
constexpr std::size_t kQuotedSignBytes = 6;
constexpr std::array<std::uint64_t, engine::kSignCount> kQuotedSignWords = [] {
    std::array<std::uint64_t, engine::kSignCount> words{};
    for (int sign = 0; sign < engine::kSignCount; ++sign) {
        const std::string_view name = reading::SignAbbreviationTable[sign];
        const std::array<char, 6> bytes{'"', name[0], name[1], name[2], '"', ','};
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            words[sign] |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
        }
    }
    return words;
}();
static_assert(std::ranges::all_of(reading::SignAbbreviationTable,
                                  [](std::string_view name) { return name.size() == 3; }));
static_assert(std::endian::native == std::endian::little, "the words are laid out little-endian");

void AppendSignList(JsonWriter& out,
                    const std::array<std::uint8_t, reading::kNavamsaBodyCount>& signs) {
    constexpr std::size_t kMostBytes = 1 + reading::kNavamsaBodyCount * kQuotedSignBytes;
    char* const room = out.Room(kMostBytes + sizeof(std::uint64_t) - kQuotedSignBytes);
    room[0] = '[';
    char* at = room + 1;
    for (const std::uint8_t sign : signs) {
        std::memcpy(at, &kQuotedSignWords[sign], sizeof(std::uint64_t));
        at += kQuotedSignBytes;
    }
    at[-1] = ']';  // in place of the last comma
    out.Advance(kMostBytes);
}

void AppendVargas(JsonWriter& out, const reading::VargaSigns& vargas) {
    Members json(out);
    for (int varga = 0; varga < reading::kVargaCount; ++varga) {
        json.Key(kVargaKeys[varga]);
        AppendSignList(out, vargas[varga]);
    }
}

void AppendIdJson(JsonWriter& out, const std::optional<std::string_view>& id) {
    if (id) {
        AppendJsonString(out, *id);
    } else {
        out.Append(std::string_view("null"));
    }
}

// Every reading names its bodies alike, so their list is written once.
std::string_view PlanetNamesJson() {
    static const std::string json = [] {
        std::string list = "[";
        for (const std::string_view name : reading::kPlanetNames) {
            list += list.size() > 1 ? "," : "";
            AppendJsonString(list, name);
        }
        return list + "]";
    }();
    return json;
}

void AppendChart(JsonWriter& out, const reading::ChartReading& chart,
                 const std::optional<reading::VimshottariDasha>& dasha) {
    Members json(out);
    json.Prepared("planetNames"_key, PlanetNamesJson());
    json.List("planetLabels"_key, chart.planetLabels, AppendShortText);
    json.List("planetPositions"_key, chart.planetPositions, AppendShortText);
    json.ShortText("ascendantText"_key, chart.ascendantText);
    json.ShortText("midheavenText"_key, chart.midheavenText);
    json.ShortText("signedAyanamsaText"_key, chart.signedAyanamsaText);
    json.ShortText("ayanamsaText"_key, chart.ayanamsaText);
    json.TableText("lagnaSign"_key, chart.lagnaSign);
    json.TableText("lagnaName"_key, chart.lagnaName);
    json.TableText("nakshatra"_key, chart.nakshatra);
    json.TableText("rashi"_key, chart.rashi);
    json.TableText("nakshatraLord"_key, chart.nakshatraLord);
    json.Text("pada"_key, chart.pada);
    json.List("retrograde"_key, chart.retrograde, AppendTruth);
    json.ShortText("moonPositionText"_key, chart.moonPositionText);
    json.List("longitudes"_key, chart.longitudes, AppendDecimal);
    if (chart.settings.precise()) {
        json.List("speeds"_key, chart.speeds, AppendDecimal);
    }
    json.Decimal("ayanamsaDegrees"_key, chart.ayanamsaDegrees);
    json.List("navamsa"_key, chart.navamsa, AppendTableText);
    json.Key("vargas"_key);
    AppendVargas(out, chart.vargas);
    if (dasha) {
        json.Key("dasha"_key);
        AppendDasha(out, *dasha);
    }
}

void AppendSettings(JsonWriter& out, const reading::ChartSettings& settings) {
    Members json(out);
    json.TableText("positions"_key, reading::WordOf(settings.positions));
    json.TableText("ayanamsa"_key, reading::WordOf(settings.ayanamsa));
    json.TableText("node"_key, reading::WordOf(settings.node));
}

}  // namespace

void AppendReadingJson(JsonWriter& out, const reading::BirthData& birth,
                       const reading::ChartReading& reading, bool withDasha,
                       std::string_view placeJson, const std::optional<RowKey>& row,
                       bool withSettings) {
    Members json(out);
    if (row) {
        json.Key("line"_key);
        AppendJsonNumber(out, row->line);
        if (row->withId) {
            json.Key("id"_key);
            AppendIdJson(out, row->id);
        }
    }
    json.Key("birth"_key);
    AppendBirth(out, birth);
    if (withSettings) {
        json.Key("settings"_key);
        AppendSettings(out, reading.settings);
    }
    json.Key("reading"_key);
    AppendChart(out, reading,
                withDasha ? reading::ComputeVimshottariDasha(birth, reading) : std::nullopt);
    json.Text("universalTime"_key, reading::IsoUniversalTime(reading::UniversalInstant(birth)));
    if (!placeJson.empty()) {
        json.Key("place"_key);
        out.Append(placeJson);
    }
}

void AppendRowErrorJson(JsonWriter& out, const RowKey& row, std::string_view message) {
    out.Append("{\"line\": ");
    AppendJsonNumber(out, row.line);
    if (row.withId) {
        out.Append(", \"id\": ");
        AppendIdJson(out, row.id);
    }
    out.Append(", \"error\": ");
    AppendJsonString(out, message);
    out.Append('}');
}

void AppendReadingJson(std::string& out, const reading::BirthData& birth,
                       const reading::ChartReading& reading, bool withDasha,
                       std::string_view placeJson, const std::optional<RowKey>& row,
                       bool withSettings) {
    JsonWriter writer(out);
    AppendReadingJson(writer, birth, reading, withDasha, placeJson, row, withSettings);
}

void AppendRowErrorJson(std::string& out, const RowKey& row, std::string_view message) {
    JsonWriter writer(out);
    AppendRowErrorJson(writer, row, message);
}

}  // namespace cli
