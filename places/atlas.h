#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "places/place.h"

namespace places {

// What the user asks for: a name, narrowed by state and country when they are given. Texts are
// compared through SearchKey, so case and accents do not matter.
struct PlaceQuery {
    std::string city;
    std::string state;    // matches a state name starting with it
    std::string country;  // matches a country name starting with it, or its two-letter code
    // With one text after the name ("Kolkata, India"), that text may be the state or the country.
    std::string stateOrCountry;
    bool wholeName = false;  // the name must match whole, not only its beginning
};

// "Kolkata", "Kolkata, India" or "Kolkata, West Bengal, India".
PlaceQuery ParsePlaceText(std::string_view text);

// A place that a query found, and the other name it was found by ("Kwangchow" for Guangzhou);
// empty when its own name matched.
struct PlaceMatch {
    std::size_t place = 0;
    std::string_view otherName;

    friend bool operator==(const PlaceMatch&, const PlaceMatch&) = default;
};

// The atlas of places: read once from its file, then searched. Places are numbered most populous
// first.
class Atlas {
  public:
    struct Loaded;
    // Reads the atlas file's text; on failure says which line is wrong and why. The atlas refers
    // to the names and keys inside text, which must outlive it.
    static Loaded Parse(std::string_view text);

    std::size_t size() const { return places_.size(); }
    Place at(std::size_t number) const;

    // The numbers of the places whose name, ASCII name or one of whose other names starts with
    // the query's name (or equals it, for a whole-name query), narrowed by the query's state and
    // country: at most limit of them, most populous first. An empty name finds nothing.
    std::vector<std::size_t> search(const PlaceQuery& query, std::size_t limit) const;

    // The same, each with the other name that found it. The names refer to the atlas's text.
    std::vector<PlaceMatch> match(const PlaceQuery& query, std::size_t limit) const;

    // Whole-name matches when there are any, else matches of the name's beginning.
    std::vector<std::size_t> find(PlaceQuery query, std::size_t limit) const;

    // Memory held by the atlas besides the text it was read from, in bytes.
    std::size_t memoryBytes() const;

  private:
    struct PlaceRecord {
        std::uint32_t nameOffset;  // into text_
        std::uint16_t nameLength;
        std::uint16_t state;  // kNoState when the source names none
        std::uint16_t country;
        std::uint16_t zone;
        std::int32_t latitude;
        std::int32_t longitude;
        std::uint32_t population;
    };
    struct KeyRecord {
        std::uint32_t offset;  // into text_
        std::uint32_t place : 23;
        std::uint32_t length : 8;
        std::uint32_t fromOtherName : 1;
    };
    struct Region {
        std::string name;
        std::string key;
        std::uint16_t country = 0;  // states only
        std::string code;           // countries only
    };
    static constexpr std::uint16_t kNoState = 0xFFFF;

    std::string_view key(std::size_t index) const;
    std::size_t firstKeyNotBefore(std::string_view wanted) const;
    std::string_view otherName(std::size_t index) const;
    // For each country (state), whether its name starts with the wanted search key.
    std::vector<bool> matchingCountries(const std::string& wanted) const;
    std::vector<bool> matchingStates(const std::string& wanted) const;

    std::vector<Region> countries_;
    std::vector<Region> states_;
    std::vector<std::string> zones_;
    std::string_view text_;
    std::vector<PlaceRecord> places_;
    std::vector<KeyRecord> keys_;
};

struct Atlas::Loaded {
    std::optional<Atlas> atlas;
    std::string problem;  // why the text is not an atlas, when atlas is empty
};

}  // namespace places
