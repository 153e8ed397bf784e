// Writes the program's place atlas from a GeoNames "cities500" dump, the names of the first-level
// divisions and the names of the countries. See README.md beside this file.
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
    std::vector<std::string> keys;
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

std::vector<SourcePlace> ReadGeoNames(const QString& path,
                                      const std::map<std::string, std::string>& states,
                                      const std::map<std::string, std::string>& countries) {
    // GeoNames columns: 0 id, 1 name, 2 ASCII name, 3 other names, 4 latitude, 5 longitude,
    // 8 country code, 10 first-level division code, 14 population, 17 time zone.
    const QByteArray bytes = ReadAll(path);
    std::vector<SourcePlace> places;
    std::size_t start = 0;
    const std::string text = bytes.toStdString();
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::vector<std::string> fields = SplitTabs(text.substr(start, end - start));
        start = end + 1;
        if (fields.size() < 18) {
            Fail("a GeoNames line with " + std::to_string(fields.size()) + " columns");
        }
        if (fields[17].empty() || !countries.contains(fields[8])) {
            continue;  // without a zone there is no clock to read
        }
        SourcePlace place;
        place.geonameId = std::stoll(fields[0]);
        place.name = fields[1];
        place.countryCode = fields[8];
        if (const auto state = states.find(fields[8] + "." + fields[10]); state != states.end()) {
            place.state = state->second;
        }
        place.latitude = HundredThousandths(fields[4]);
        place.longitude = HundredThousandths(fields[5]);
        place.zone = fields[17];
        place.population = fields[14].empty() ? 0 : std::stoll(fields[14]);
        std::set<std::string> keys{places::SearchKey(fields[1]), places::SearchKey(fields[2])};
        for (const QString& other : QString::fromStdString(fields[3]).split(u',')) {
            const std::string name = other.toStdString();
            const std::string key = places::SearchKey(name);
            if (IsUsualOtherName(name, key)) {
                keys.insert(key);
            }
        }
        keys.erase(std::string());
        place.keys.assign(keys.begin(), keys.end());
        places.push_back(std::move(place));
    }
    return places;
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
        if (!place.state.empty()) {
            stateSet.emplace(countryNumbers.at(place.countryCode), place.state);
        }
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
    std::vector<std::pair<std::string, int>> keys;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const SourcePlace& place = places[i];
        const int country = countryNumbers.at(place.countryCode);
        const std::string state = place.state.empty()
                                      ? std::string()
                                      : std::to_string(stateNumbers.at({country, place.state}));
        out += place.name + '\t' + state + '\t' + std::to_string(country) + '\t' +
               std::to_string(place.latitude) + '\t' + std::to_string(place.longitude) + '\t' +
               std::to_string(zoneNumbers.at(place.zone)) + '\t' +
               std::to_string(place.population) + '\n';
        for (const std::string& key : place.keys) {
            keys.emplace_back(key, static_cast<int>(i));
        }
    }
    std::sort(keys.begin(), keys.end());
    section(kKeys, keys.size());
    for (const auto& [key, place] : keys) {
        out += key + '\t' + std::to_string(place) + '\n';
    }
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 5) {
        std::fprintf(stderr,
                     "Usage: generate_atlas CITIES500.TXT ADMIN1.JSON COUNTRIES.JSON OUTPUT\n");
        return 2;
    }
    const auto states = NamesByCode(arguments[2]);
    const auto countries = NamesByCode(arguments[3]);
    const std::string text = AtlasText(ReadGeoNames(arguments[1], states, countries), countries);
    QSaveFile output(arguments[4]);
    if (!output.open(QIODevice::WriteOnly) ||
        output.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !output.commit()) {
        Fail("cannot write " + arguments[4].toStdString() + ": " +
             output.errorString().toStdString());
    }
    return 0;
}
