#include "cli/reading_json.h"

#include <cmath>

#include "cli/json_text.h"
#include "reading/driver.h"
#include "reading/iso_dates.h"
#include "reading/vimshottari_dasha.h"

namespace cli {

namespace {

// Members are written straight into the text: a batch writes a hundred of them a chart, and
// the keys are plain names that need no escaping.
class Members {
  public:
    explicit Members(std::string& out) : out_(out) { out_ += '{'; }
    ~Members() { out_ += '}'; }
    Members(const Members&) = delete;
    Members& operator=(const Members&) = delete;

    void Key(std::string_view name) {
        using namespace std::string_view_literals;
        out_ += first_ ? "\""sv : ",\""sv;
        first_ = false;
        out_ += name;
        out_ += "\":"sv;
    }
    void Text(std::string_view name, std::string_view value) {
        Key(name);
        AppendJsonString(out_, value);
    }
    void Number(std::string_view name, int value) {
        Key(name);
        AppendJsonNumber(out_, value);
    }
    void Decimal(std::string_view name, double value) {
        Key(name);
        AppendJsonDecimal(out_, value);
    }
    void Truth(std::string_view name, bool value) {
        Key(name);
        out_ += value ? "true" : "false";
    }
    template <typename Values, typename AppendOne>
    void List(std::string_view name, const Values& values, AppendOne appendOne) {
        Key(name);
        out_ += '[';
        bool first = true;
        for (const auto& value : values) {
            if (!first) {
                out_ += ',';
            }
            first = false;
            appendOne(out_, value);
        }
        out_ += ']';
    }

  private:
    std::string& out_;
    bool first_ = true;
};

void AppendTruth(std::string& out, bool value) {
    out += value ? "true" : "false";
}

void AppendBirth(std::string& out, const reading::BirthData& birth) {
    Members json(out);
    json.Text("name", birth.name);
    json.Number("day", birth.day);
    json.Number("month", birth.month);
    json.Number("year", birth.year);
    json.Number("hour", birth.hour);
    json.Number("minute", birth.minute);
    json.Number("zoneHours", birth.zoneHours);
    json.Number("zoneMinutes", birth.zoneMinutes);
    json.Number("longitudeDegrees", birth.longitudeDegrees);
    json.Number("longitudeMinutes", birth.longitudeMinutes);
    json.Number("latitudeDegrees", birth.latitudeDegrees);
    json.Number("latitudeMinutes", birth.latitudeMinutes);
    json.Truth("isEast", birth.isEast);
    json.Truth("isSouth", birth.isSouth);
    json.Truth("isDaylightSaving", birth.isDaylightSaving);
    json.Text("city", birth.city);
    json.Text("state", birth.state);
    json.Text("country", birth.country);
    json.Number("zoneHourOffset", birth.zoneHourOffset);
    json.Number("zoneMinuteOffset", birth.zoneMinuteOffset);
}

void AppendPeriodTimes(Members& json, const reading::DashaPeriod& period) {
    json.Text("lord", period.lord);
    json.Text("start", reading::IsoDate(reading::DateOfMoment(period.start)));
    json.Text("end", reading::IsoDate(reading::DateOfMoment(period.end)));
}

void AppendAntardasha(std::string& out, const reading::DashaPeriod& antardasha) {
    Members json(out);
    AppendPeriodTimes(json, antardasha);
}

void AppendMahadasha(std::string& out, const reading::Mahadasha& mahadasha) {
    Members json(out);
    AppendPeriodTimes(json, mahadasha.period);
    json.List("antardashas", mahadasha.antardashas, AppendAntardasha);
}

void AppendDasha(std::string& out, const reading::VimshottariDasha& dasha) {
    constexpr double kYearSteps = 10000;  // the balance to four decimals of a year
    Members json(out);
    json.Decimal("yearDays", reading::kDaysPerDashaYear);
    json.Key("balance");
    {
        Members balance(out);
        balance.Text("lord", dasha.balanceLord());
        balance.Decimal("years", std::round(dasha.balanceYears * kYearSteps) / kYearSteps);
    }
    json.List("periods", dasha.mahadashas, AppendMahadasha);
}

void AppendChart(std::string& out, const reading::ChartReading& chart,
                 const std::optional<reading::VimshottariDasha>& dasha) {
    Members json(out);
    json.List("planetNames", chart.planetNames, AppendJsonString);
    json.List("planetLabels", chart.planetLabels, AppendJsonString);
    json.List("planetPositions", chart.planetPositions, AppendJsonString);
    json.Text("ascendantText", chart.ascendantText);
    json.Text("midheavenText", chart.midheavenText);
    json.Text("signedAyanamsaText", chart.signedAyanamsaText);
    json.Text("ayanamsaText", chart.ayanamsaText);
    json.Text("lagnaSign", chart.lagnaSign);
    json.Text("lagnaName", chart.lagnaName);
    json.Text("nakshatra", chart.nakshatra);
    json.Text("rashi", chart.rashi);
    json.Text("nakshatraLord", chart.nakshatraLord);
    json.Text("pada", chart.pada);
    json.List("retrograde", chart.retrograde, AppendTruth);
    json.Text("moonPositionText", chart.moonPositionText);
    json.List("longitudes", chart.longitudes, AppendJsonDecimal);
    json.Decimal("ayanamsaDegrees", chart.ayanamsaDegrees);
    json.List("navamsa", chart.navamsa, AppendJsonString);
    if (dasha) {
        json.Key("dasha");
        AppendDasha(out, *dasha);
    }
}

}  // namespace

void AppendReadingJson(std::string& out, const reading::BirthData& birth,
                       const reading::ChartReading& reading, bool withDasha,
                       std::string_view placeJson) {
    Members json(out);
    json.Key("birth");
    AppendBirth(out, birth);
    json.Key("reading");
    AppendChart(out, reading,
                withDasha ? reading::ComputeVimshottariDasha(birth, reading) : std::nullopt);
    json.Text("universalTime", reading::IsoUniversalTime(reading::UniversalInstant(birth)));
    if (!placeJson.empty()) {
        json.Key("place");
        out += placeJson;
    }
}

void AppendRowErrorJson(std::string& out, std::int64_t lineNumber, std::string_view message) {
    out += "{\"line\": ";
    AppendJsonNumber(out, lineNumber);
    out += ", \"error\": ";
    AppendJsonString(out, message);
    out += '}';
}

}  // namespace cli
