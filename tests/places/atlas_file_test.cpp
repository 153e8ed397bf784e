// The committed atlas file, read as the program reads it.
#include <gtest/gtest.h>

#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <set>

#include "places/atlas_blob.h"
#include "places/builtin_atlas.h"

namespace places {
namespace {

const Atlas& TheAtlas() {
    const Atlas* atlas = BuiltInAtlas();
    EXPECT_NE(atlas, nullptr) << BuiltInAtlasProblem();
    if (atlas == nullptr) {
        std::abort();
    }
    return *atlas;
}

// A place as the first answer to a query gives it.
struct NamedPlace {
    const char* query;
    const char* name;
    const char* state;
    const char* country;
};

struct KnownPlace {
    const char* query;  // as a user types it
    const char* name;
    const char* state;
    const char* country;
    double latitude;  // degrees from published gazetteers, north and east positive
    double longitude;
    const char* zone;
};

TEST(AtlasFile, HoldsThePlacesOfFiveHundredOrMore) {
    EXPECT_GE(TheAtlas().size(), 195000u);
    EXPECT_LE(TheAtlas().size(), 230000u);
}

// Each known place is the first answer to its name, with its coordinates within about 15 km
// of the published ones (a city's centre is placed differently by different gazetteers), its
// division, country and zone.
TEST(AtlasFile, KnowsThePlacesUsersAskForMost) {
    const KnownPlace known[] = {
        {"Kolkata", "Kolkata", "West Bengal", "India", 22.5726, 88.3639, "Asia/Kolkata"},
        {"Bhubaneswar", "Bhubaneshwar", "Odisha", "India", 20.2961, 85.8245, "Asia/Kolkata"},
        {"Cuttack", "Cuttack", "Odisha", "India", 20.4625, 85.8830, "Asia/Kolkata"},
        {"Puri, Odisha", "Puri", "Odisha", "India", 19.8135, 85.8312, "Asia/Kolkata"},
        {"Siliguri", "Siliguri", "West Bengal", "India", 26.7271, 88.3953, "Asia/Kolkata"},
        {"Dhaka", "Dhaka", "Dhaka", "Bangladesh", 23.8103, 90.4125, "Asia/Dhaka"},
        {"Kathmandu", "Kathmandu", "Bagmati Province", "Nepal", 27.7172, 85.3240, "Asia/Kathmandu"},
        {"Delhi", "Delhi", "Delhi", "India", 28.7041, 77.1025, "Asia/Kolkata"},
        {"Mumbai", "Mumbai", "Maharashtra", "India", 19.0760, 72.8777, "Asia/Kolkata"},
        {"London", "London", "England", "United Kingdom", 51.5074, -0.1278, "Europe/London"},
        {"Madrid", "Madrid", "Madrid", "Spain", 40.4168, -3.7038, "Europe/Madrid"},
        {"New York", "New York City", "New York", "United States", 40.7128, -74.0060,
         "America/New_York"},
        {"Sydney", "Sydney", "New South Wales", "Australia", -33.8688, 151.2093,
         "Australia/Sydney"},
    };
    const Atlas& atlas = TheAtlas();
    for (const KnownPlace& want : known) {
        const std::vector<std::size_t> found = atlas.find(ParsePlaceText(want.query), 1);
        ASSERT_EQ(found.size(), 1u) << want.query;
        const Place place = atlas.at(found.front());
        EXPECT_EQ(place.name, want.name) << want.query;
        EXPECT_EQ(place.state, want.state) << want.query;
        EXPECT_EQ(place.country, want.country) << want.query;
        EXPECT_EQ(place.timeZone, want.zone) << want.query;
        EXPECT_NEAR(place.latitude / 1e5, want.latitude, 0.15) << want.query;
        EXPECT_NEAR(place.longitude / 1e5, want.longitude, 0.15) << want.query;
    }
}

// Each city in its state, as the country's own map has it: the division names and the places
// must code the divisions alike, or Ho Chi Minh City lands in Lạng Sơn. The state narrows the
// search to the same place.
TEST(AtlasFile, PlacesEachCityInItsState) {
    const NamedPlace known[] = {
        {"Ho Chi Minh City", "Ho Chi Minh City", "Ho Chi Minh", "Vietnam"},
        {"Hanoi", "Hanoi", "Hanoi", "Vietnam"},
        {"Hue", "Huế", "Thừa Thiên-Huế", "Vietnam"},
        {"Da Nang", "Da Nang", "Da Nang", "Vietnam"},
        {"Haiphong", "Haiphong", "Haiphong", "Vietnam"},
        {"Guangzhou", "Guangzhou", "Guangdong", "China"},
        {"Chengdu", "Chengdu", "Sichuan", "China"},
        {"Sapporo", "Sapporo", "Hokkaido", "Japan"},
        {"Busan", "Busan", "Busan", "South Korea"},
        {"Chiang Mai", "Chiang Mai", "Chiang Mai", "Thailand"},
        {"Surabaya", "Surabaya", "East Java", "Indonesia"},
        {"Cebu City", "Cebu City", "Central Visayas", "Philippines"},
        {"George Town, Malaysia", "George Town", "Penang", "Malaysia"},
        {"Karachi", "Karachi", "Sindh", "Pakistan"},
        {"Lahore", "Lahore", "Punjab", "Pakistan"},
        {"Chennai", "Chennai", "Tamil Nadu", "India"},
        {"Bengaluru", "Bengaluru", "Karnataka", "India"},
        {"Isfahan", "Isfahan", "Isfahan", "Iran"},
        {"Ankara", "Ankara", "Ankara", "Türkiye"},
        {"Kano", "Kano", "Kano", "Nigeria"},
        {"Cape Town", "Cape Town", "Western Cape", "South Africa"},
        {"Johannesburg", "Johannesburg", "Gauteng", "South Africa"},
        {"Munich", "Munich", "Bavaria", "Germany"},
        {"Lyon", "Lyon", "Auvergne-Rhône-Alpes", "France"},
        {"Milan", "Milan", "Lombardy", "Italy"},
        {"Naples", "Naples", "Campania", "Italy"},
        {"Barcelona", "Barcelona", "Catalonia", "Spain"},
        {"Edinburgh", "Edinburgh", "Scotland", "United Kingdom"},
        {"Bergen, Norway", "Bergen", "Vestland", "Norway"},
        {"Trondheim", "Trondheim", "Trøndelag", "Norway"},
        {"Vancouver", "Vancouver", "British Columbia", "Canada"},
        {"Chicago", "Chicago", "Illinois", "United States"},
        {"Guadalajara", "Guadalajara", "Jalisco", "Mexico"},
        {"Medellin", "Medellín", "Antioquia", "Colombia"},
        {"Melbourne", "Melbourne", "Victoria", "Australia"},
    };
    const Atlas& atlas = TheAtlas();
    std::set<std::string> countries;
    for (const NamedPlace& want : known) {
        const std::vector<std::size_t> found = atlas.find(ParsePlaceText(want.query), 1);
        ASSERT_EQ(found.size(), 1u) << want.query;
        const Place place = atlas.at(found.front());
        EXPECT_EQ(place.name + " / " + place.state + " / " + place.country,
                  std::string(want.name) + " / " + want.state + " / " + want.country);
        const std::string narrowed =
            std::string(want.name) + ", " + want.state + ", " + want.country;
        EXPECT_EQ(atlas.find(ParsePlaceText(narrowed), 1), found) << narrowed;
        countries.insert(want.country);
    }
    EXPECT_GE(countries.size(), 15u);
}

// Every place can be charted with its state. Where the source names no division, a capital or a
// division's seat stands for its division, and any other place takes its country's name.
TEST(AtlasFile, GivesEveryPlaceAState) {
    const Atlas& atlas = TheAtlas();
    std::size_t without = 0;
    for (std::size_t i = 0; i < atlas.size(); ++i) {
        without += atlas.at(i).state.empty();
    }
    EXPECT_EQ(without, 0u);
    const NamedPlace known[] = {
        {"Singapore", "Singapore", "Singapore", "Singapore"},
        {"Macau", "Macau", "Macau", "Macao"},
        {"Gibraltar", "Gibraltar", "Gibraltar", "Gibraltar"},
        {"Nouakchott", "Nouakchott", "Nouakchott", "Mauritania"},
        {"Tanki Leendert", "Tanki Leendert", "Aruba", "Aruba"},
    };
    for (const NamedPlace& want : known) {
        const std::vector<std::size_t> found = atlas.find(ParsePlaceText(want.query), 1);
        ASSERT_EQ(found.size(), 1u) << want.query;
        const Place place = atlas.at(found.front());
        EXPECT_EQ(place.name + " / " + place.state + " / " + place.country,
                  std::string(want.name) + " / " + want.state + " / " + want.country);
    }
}

// The generator folds names as every query does: each place is found by its own name, whole.
TEST(AtlasFile, FindsEveryPlaceByItsOwnName) {
    const Atlas& atlas = TheAtlas();
    std::vector<std::string> missed;
    for (std::size_t i = 0; i < atlas.size(); ++i) {
        PlaceQuery query;
        query.city = atlas.at(i).name;
        query.wholeName = true;
        const std::vector<std::size_t> found = atlas.search(query, atlas.size());
        if (!std::binary_search(found.begin(), found.end(), i) && missed.size() < 10) {
            missed.push_back(query.city);
        }
    }
    EXPECT_EQ(missed, std::vector<std::string>{});
}

// The clock of a place is read from the system's time-zone database: it must know every zone
// the atlas names.
TEST(AtlasFile, EveryZoneIsKnownToTheTimeZoneDatabase) {
    const Atlas& atlas = TheAtlas();
    std::set<std::string> zones;
    for (std::size_t i = 0; i < atlas.size(); ++i) {
        zones.insert(atlas.at(i).timeZone);
    }
    EXPECT_GT(zones.size(), 300u);
    for (const std::string& zone : zones) {
        EXPECT_TRUE(QTimeZone(QByteArray::fromStdString(zone)).isValid()) << zone;
    }
}

// The records, and the file's text in the program's read-only data, which they refer to.
TEST(AtlasFile, FitsInItsMemoryBudget) {
    EXPECT_LT(TheAtlas().memoryBytes() + BuiltInAtlasText().size(), 30u << 20);
}

// The search as users meet it: old names, accents, letter case, a beginning only, a state or a
// country after the name; the most populous match comes first.
TEST(AtlasFile, SearchFindsTheMostPopulousMatchFirst) {
    const NamedPlace cases[] = {
        {"Delhi", "Delhi", "Delhi", "India"},
        {"Calcutta", "Kolkata", "West Bengal", "India"},
        {"bombay", "Mumbai", "Maharashtra", "India"},
        {"Benares", "Varanasi", "Uttar Pradesh", "India"},
        {"sao paulo", "São Paulo", "São Paulo", "Brazil"},
        {"SÃO PAULO", "São Paulo", "São Paulo", "Brazil"},
        {"Lon", "London", "England", "United Kingdom"},
        {"Delhi, United States", "Delhi", "California", "United States"},
        {"Delhi, New York, US", "Delhi", "New York", "United States"},
        {"Kolkata, West Bengal, India", "Kolkata", "West Bengal", "India"},
        {"saint etienne", "Saint-Étienne", "Auvergne-Rhône-Alpes", "France"},
        {"Zurich", "Zürich", "Zurich", "Switzerland"},
        {"İstanbul", "Istanbul", "Istanbul", "Türkiye"},
        {"İZMİR", "İzmir", "İzmir Province", "Türkiye"},
        {"Gəncə", "Ganja", "Gǝncǝ", "Azerbaijan"},
        {"ŞƏKİ, Azerbaijan", "Sheki", "Shaki City", "Azerbaijan"},
    };
    const Atlas& atlas = TheAtlas();
    for (const NamedPlace& want : cases) {
        const std::vector<std::size_t> found = atlas.search(ParsePlaceText(want.query), 5);
        ASSERT_FALSE(found.empty()) << want.query;
        EXPECT_TRUE(std::is_sorted(found.begin(), found.end())) << want.query;
        const Place first = atlas.at(found.front());
        EXPECT_EQ(first.name, want.name) << want.query;
        EXPECT_EQ(first.state, want.state) << want.query;
        EXPECT_EQ(first.country, want.country) << want.query;
    }
    EXPECT_TRUE(atlas.search(ParsePlaceText("Kolkata, Nepal"), 5).empty());
    EXPECT_TRUE(atlas.search(ParsePlaceText(" , India"), 5).empty());
}

// A place found by one of its other names says which; by its own name, none.
TEST(AtlasFile, NamesTheOtherNameThatFoundAPlace) {
    const Atlas& atlas = TheAtlas();
    const auto first = [&](const char* typed) {
        const std::vector<PlaceMatch> found = atlas.match(ParsePlaceText(typed), 1);
        return found.empty() ? std::string("nothing")
                             : atlas.at(found.front().place).name + " (" +
                                   std::string(found.front().otherName) + ")";
    };
    EXPECT_EQ(first("Kwangchow"), "Guangzhou (Kwangchow)");
    EXPECT_EQ(first("kwangc"), "Guangzhou (Kwangchow)");
    EXPECT_EQ(first("Calcutta"), "Kolkata (Calcutta)");
    EXPECT_EQ(first("Guangzhou"), "Guangzhou ()");
    EXPECT_EQ(first("Sao Paulo"), "São Paulo ()");  // its ASCII name
}

}  // namespace
}  // namespace places
