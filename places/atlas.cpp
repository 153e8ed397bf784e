#include "places/atlas.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "places/atlas_format.h"
#include "places/search_key.h"

namespace places {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Walks the atlas text line by line and reads its fields; the first problem stops it.
class AtlasReader {
  public:
    explicit AtlasReader(std::string_view text) : text_(text) {}

    bool nextLine() {
        ++lineNumber_;
        if (position_ >= text_.size()) {
            return fail("the file ends early");
        }
        const std::size_t end = std::min(text_.find('\n', position_), text_.size());
        line_ = text_.substr(position_, end - position_);
        position_ = end + 1;
        fieldStart_ = 0;
        return true;
    }

    bool atEnd() const { return position_ >= text_.size(); }
    std::string_view line() const { return line_; }

    bool text(std::string_view& value) {
        if (fieldStart_ > line_.size()) {
            return fail("a field is missing");
        }
        const std::size_t tab = std::min(line_.find('\t', fieldStart_), line_.size());
        value = line_.substr(fieldStart_, tab - fieldStart_);
        fieldStart_ = tab + 1;
        return true;
    }

    template <typename Number>
    bool number(Number& value, long long low, long long high) {
        std::string_view field;
        return text(field) && parse(field, value, low, high);
    }

    // A number, or none (an empty field), which gives absent.
    template <typename Number>
    bool optionalNumber(Number& value, Number absent, long long low, long long high) {
        std::string_view field;
        if (!text(field)) {
            return false;
        }
        if (field.empty()) {
            value = absent;
            return true;
        }
        return parse(field, value, low, high);
    }

    template <typename Number>
    bool parse(std::string_view field, Number& value, long long low, long long high) {
        long long parsed = 0;
        const auto [end, error] =
            std::from_chars(field.data(), field.data() + field.size(), parsed);
        if (field.empty() || error != std::errc() || end != field.data() + field.size() ||
            parsed < low || parsed > high) {
            // Appended piece by piece: GCC 12 at -O3 warns falsely about "text" + string.
            std::string why(1, '"');
            why.append(field).append("\" is not a number from ").append(std::to_string(low));
            why.append(" to ").append(std::to_string(high));
            return fail(why);
        }
        value = static_cast<Number>(parsed);
        return true;
    }

    bool lineEnds() {
        return fieldStart_ > line_.size() ? true : fail("the line has too many fields");
    }

    // A section's first line, "name<TAB>count"; gives the count.
    bool section(std::string_view name, std::size_t& count) {
        std::string_view found;
        if (!nextLine() || !text(found)) {
            return false;
        }
        if (found != name) {
            return fail("the section \"" + std::string(name) + "\" was expected");
        }
        return number(count, 0, std::numeric_limits<std::uint32_t>::max()) && lineEnds();
    }

    bool fail(const std::string& why) {
        if (problem_.empty()) {
            problem_ = "line " + std::to_string(lineNumber_) + ": " + why;
        }
        return false;
    }
    const std::string& problem() const { return problem_; }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
    std::string_view line_;
    std::size_t fieldStart_ = 0;
    int lineNumber_ = 0;
    std::string problem_;
};

// The least text that sorts after every text starting with prefix (bytes compare unsigned), or
// nothing when no text does.
std::string PastEveryExtension(std::string prefix) {
    while (!prefix.empty() && static_cast<unsigned char>(prefix.back()) == 0xFF) {
        prefix.pop_back();
    }
    if (!prefix.empty()) {
        prefix.back() = static_cast<char>(static_cast<unsigned char>(prefix.back()) + 1);
    }
    return prefix;
}

constexpr std::size_t kMaxKeyLength = 255;
constexpr std::size_t kMaxPlaces = (1u << 23) - 1;  // the width of a key's place number
constexpr long long kMaxLatitude = 90LL * kCoordinateUnitsPerDegree;
constexpr long long kMaxLongitude = 180LL * kCoordinateUnitsPerDegree;

}  // namespace

PlaceQuery ParsePlaceText(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        parts.emplace_back(TrimBlanks(text.substr(start, comma - start)));
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    PlaceQuery query;
    query.city = parts.front();
    if (parts.size() == 2) {
        query.stateOrCountry = parts[1];
    } else if (parts.size() > 2) {
        query.country = parts.back();
        for (std::size_t i = 1; i + 1 < parts.size(); ++i) {
            query.state += (i > 1 ? ", " : "") + parts[i];
        }
    }
    return query;
}

Atlas::Loaded Atlas::Parse(std::string_view text) {
    using namespace atlas_format;
    AtlasReader reader(text);
    Atlas atlas;
    atlas.text_ = text;
    const auto offsetOf = [&](std::string_view field) {
        return static_cast<std::uint32_t>(field.data() - text.data());
    };
    Loaded loaded;
    if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
        loaded.problem = "the file is too large";
        return loaded;
    }
    const auto failed = [&] {
        loaded.problem = reader.problem();
        return loaded;
    };
    if (!reader.nextLine()) {
        return failed();
    }
    if (reader.line() != kHeader) {
        reader.fail("this is not a place atlas of this program's kind");
        return failed();
    }

    std::size_t count = 0;
    if (!reader.section(kCountries, count)) {
        return failed();
    }
    for (std::size_t i = 0; i < count; ++i) {
        std::string_view code;
        std::string_view name;
        if (!reader.nextLine() || !reader.text(code) || !reader.text(name) || !reader.lineEnds()) {
            return failed();
        }
        atlas.countries_.push_back({std::string(name), SearchKey(name), 0, SearchKey(code)});
    }
    if (!reader.section(kStates, count)) {
        return failed();
    }
    for (std::size_t i = 0; i < count; ++i) {
        std::uint16_t country = 0;
        std::string_view name;
        if (!reader.nextLine() ||
            !reader.number(country, 0, static_cast<long long>(atlas.countries_.size()) - 1) ||
            !reader.text(name) || !reader.lineEnds()) {
            return failed();
        }
        atlas.states_.push_back({std::string(name), SearchKey(name), country, {}});
    }
    if (!reader.section(kZones, count)) {
        return failed();
    }
    for (std::size_t i = 0; i < count; ++i) {
        std::string_view zone;
        if (!reader.nextLine() || !reader.text(zone) || !reader.lineEnds()) {
            return failed();
        }
        atlas.zones_.emplace_back(zone);
    }
    if (atlas.states_.size() >= kNoState || atlas.countries_.size() > kNoState ||
        atlas.zones_.size() > kNoState) {
        reader.fail("too many states, countries or zones");
        return failed();
    }

    if (!reader.section(kPlaces, count)) {
        return failed();
    }
    atlas.places_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string_view name;
        PlaceRecord record{};
        if (!reader.nextLine() || !reader.text(name)) {
            return failed();
        }
        if (name.empty() || name.size() > std::numeric_limits<std::uint16_t>::max()) {
            reader.fail("a place needs a name");
            return failed();
        }
        record.nameOffset = offsetOf(name);
        record.nameLength = static_cast<std::uint16_t>(name.size());
        const long long lastState = static_cast<long long>(atlas.states_.size()) - 1;
        const long long lastCountry = static_cast<long long>(atlas.countries_.size()) - 1;
        const long long lastZone = static_cast<long long>(atlas.zones_.size()) - 1;
        // An empty state field: the source names no division.
        if (!reader.optionalNumber(record.state, kNoState, 0, lastState) ||
            !reader.number(record.country, 0, lastCountry) ||
            !reader.number(record.latitude, -kMaxLatitude, kMaxLatitude) ||
            !reader.number(record.longitude, -kMaxLongitude, kMaxLongitude) ||
            !reader.number(record.zone, 0, lastZone) ||
            !reader.number(record.population, 0, std::numeric_limits<std::uint32_t>::max()) ||
            !reader.lineEnds()) {
            return failed();
        }
        atlas.places_.push_back(record);
    }

    if (!reader.section(kKeys, count)) {
        return failed();
    }
    atlas.keys_.reserve(count);
    if (atlas.places_.size() > kMaxPlaces) {
        reader.fail("too many places");
        return failed();
    }
    for (std::size_t i = 0; i < count; ++i) {
        std::string_view key;
        std::uint32_t place = 0;
        std::string_view otherName;
        if (!reader.nextLine() || !reader.text(key) ||
            !reader.number(place, 0, static_cast<long long>(atlas.places_.size()) - 1) ||
            !reader.text(otherName) || !reader.lineEnds()) {
            return failed();
        }
        if (key.empty() || key.size() > kMaxKeyLength) {
            reader.fail("a key must have 1 to " + std::to_string(kMaxKeyLength) + " bytes");
            return failed();
        }
        // The search halves the key list, so it must be in order.
        if (!atlas.keys_.empty() && key < atlas.key(atlas.keys_.size() - 1)) {
            reader.fail("the keys are not in order");
            return failed();
        }
        atlas.keys_.push_back({offsetOf(key), place, static_cast<std::uint32_t>(key.size()),
                               otherName.empty() ? 0u : 1u});
    }
    if (!reader.atEnd()) {
        reader.nextLine();
        reader.fail("the file goes on after its last section");
        return failed();
    }
    loaded.atlas = std::move(atlas);
    return loaded;
}

std::string_view Atlas::key(std::size_t index) const {
    return text_.substr(keys_[index].offset, keys_[index].length);
}

std::size_t Atlas::firstKeyNotBefore(std::string_view wanted) const {
    std::size_t low = 0;
    std::size_t high = keys_.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (key(middle) < wanted) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

std::string_view Atlas::otherName(std::size_t index) const {
    if (keys_[index].fromOtherName == 0) {
        return {};
    }
    // The line is "key<TAB>place<TAB>other name", checked when it was read.
    const std::size_t placeStart = keys_[index].offset + keys_[index].length + 1;
    const std::size_t nameStart = text_.find('\t', placeStart) + 1;
    const std::size_t nameEnd = std::min(text_.find('\n', nameStart), text_.size());
    return text_.substr(nameStart, nameEnd - nameStart);
}

Place Atlas::at(std::size_t number) const {
    const PlaceRecord& record = places_.at(number);
    Place place;
    place.name = text_.substr(record.nameOffset, record.nameLength);
    if (record.state != kNoState) {
        place.state = states_[record.state].name;
    }
    place.country = countries_[record.country].name;
    place.countryCode = countries_[record.country].code;
    for (char& c : place.countryCode) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    place.latitude = record.latitude;
    place.longitude = record.longitude;
    place.timeZone = zones_[record.zone];
    place.population = record.population;
    return place;
}

std::vector<bool> Atlas::matchingCountries(const std::string& wanted) const {
    std::vector<bool> matches(countries_.size());
    for (std::size_t i = 0; i < countries_.size(); ++i) {
        matches[i] = countries_[i].key.starts_with(wanted) || countries_[i].code == wanted;
    }
    return matches;
}

std::vector<bool> Atlas::matchingStates(const std::string& wanted) const {
    std::vector<bool> matches(states_.size() + 1);  // the last stands for "no state"
    for (std::size_t i = 0; i < states_.size(); ++i) {
        matches[i] = states_[i].key.starts_with(wanted);
    }
    return matches;
}

std::vector<std::size_t> Atlas::search(const PlaceQuery& query, std::size_t limit) const {
    std::vector<std::size_t> places;
    for (const PlaceMatch& found : match(query, limit)) {
        places.push_back(found.place);
    }
    return places;
}

std::vector<PlaceMatch> Atlas::match(const PlaceQuery& query, std::size_t limit) const {
    const std::string name = SearchKey(query.city);
    if (name.empty() || limit == 0) {
        return {};
    }
    // Which states and countries the query allows, worked out once for the whole run of keys.
    const auto allowed = [this](const std::string& text, bool states) {
        const std::string wanted = SearchKey(text);
        return wanted.empty() ? std::vector<bool>()
                              : (states ? matchingStates(wanted) : matchingCountries(wanted));
    };
    const std::vector<bool> states = allowed(query.state, true);
    const std::vector<bool> countries = allowed(query.country, false);
    const std::vector<bool> regionStates = allowed(query.stateOrCountry, true);
    const std::vector<bool> regionCountries = allowed(query.stateOrCountry, false);
    const bool anyState = states.empty();
    const bool anyCountry = countries.empty();
    const bool anyRegion = regionStates.empty();
    const auto wanted = [&](const PlaceRecord& place) {
        const std::size_t state = place.state == kNoState ? states_.size() : place.state;
        return (anyState || states[state]) && (anyCountry || countries[place.country]) &&
               (anyRegion || regionStates[state] || regionCountries[place.country]);
    };

    // The keys that start with the name form one run of the sorted list. Places are numbered
    // most populous first, so the best matches are the smallest numbers: keep the smallest
    // limit of them, each once, with the key that found it.
    struct Found {
        std::size_t place;
        std::size_t key;
    };
    std::vector<Found> found;
    // The run is found by halving twice, so the loop reads only the key records, in order, and
    // never the keys' text. Equal keys lead the run: a whole name's run ends with them.
    const std::size_t first = firstKeyNotBefore(name);
    std::size_t end = first;
    if (query.wholeName) {
        while (end < keys_.size() && key(end) == name) {
            ++end;
        }
    } else {
        const std::string past = PastEveryExtension(name);
        end = past.empty() ? keys_.size() : firstKeyNotBefore(past);
    }
    for (std::size_t i = first; i < end; ++i) {
        const std::size_t place = keys_[i].place;
        if ((found.size() == limit && place > found.back().place) || !wanted(places_[place])) {
            continue;
        }
        const auto at = std::lower_bound(found.begin(), found.end(), place,
                                         [](const Found& a, std::size_t b) { return a.place < b; });
        if (at != found.end() && at->place == place) {
            // Its own name before an other name, and of its other names the shortest, which
            // is the nearest to what was typed.
            const KeyRecord& kept = keys_[at->key];
            const KeyRecord& next = keys_[i];
            if (kept.fromOtherName != 0 && (next.fromOtherName == 0 || next.length < kept.length)) {
                at->key = i;
            }
            continue;
        }
        found.insert(at, {place, i});
        if (found.size() > limit) {
            found.pop_back();
        }
    }
    std::vector<PlaceMatch> matches;
    matches.reserve(found.size());
    for (const Found& each : found) {
        matches.push_back({each.place, otherName(each.key)});
    }
    return matches;
}

std::vector<std::size_t> Atlas::find(PlaceQuery query, std::size_t limit) const {
    query.wholeName = true;
    std::vector<std::size_t> found = search(query, limit);
    if (found.empty()) {
        query.wholeName = false;
        found = search(query, limit);
    }
    return found;
}

std::size_t Atlas::memoryBytes() const {
    std::size_t bytes = sizeof(Atlas) + places_.capacity() * sizeof(PlaceRecord) +
                        keys_.capacity() * sizeof(KeyRecord);
    for (const auto* regions : {&countries_, &states_}) {
        for (const Region& region : *regions) {
            bytes += sizeof(Region) + region.name.capacity() + region.key.capacity() +
                     region.code.capacity();
        }
    }
    for (const std::string& zone : zones_) {
        bytes += sizeof(std::string) + zone.capacity();
    }
    return bytes;
}

}  // namespace places
