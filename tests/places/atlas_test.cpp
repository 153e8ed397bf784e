// The atlas's reading and search rules, on a small atlas written here.
#include <gtest/gtest.h>

#include <string>

#include "places/atlas.h"

namespace places {
namespace {

// Places most populous first; "Kalkutta" is an other name of Kolkata, and two places share the
// name "Delhi".
const std::string kSmallAtlas =
    "rashi-atlas\t2\n"
    "countries\t2\n"
    "IN\tIndia\n"
    "US\tUnited States\n"
    "states\t3\n"
    "0\tWest Bengal\n"
    "0\tDelhi\n"
    "1\tNew York\n"
    "zones\t2\n"
    "America/New_York\n"
    "Asia/Kolkata\n"
    "places\t4\n"
    "Delhi\t1\t0\t2865195\t7723149\t1\t10927986\n"
    "Kolkata\t0\t0\t2256263\t8836304\t1\t4631392\n"
    "Delhi\t2\t1\t4227814\t-7491599\t0\t3157\n"
    "Kalna\t\t0\t2322000\t8836000\t1\t60000\n"
    "keys\t6\n"
    "delhi\t0\t\n"
    "delhi\t2\t\n"
    "kalkutta\t1\tKalkutta\n"
    "kalna\t3\t\n"
    "kolkata\t1\t\n"
    "kolkata west\t1\tKolkata-West\n";

Atlas Small() {
    Atlas::Loaded loaded = Atlas::Parse(kSmallAtlas);
    EXPECT_TRUE(loaded.atlas) << loaded.problem;
    return std::move(*loaded.atlas);
}

std::vector<std::string> Names(const Atlas& atlas, const std::vector<std::size_t>& numbers) {
    std::vector<std::string> names;
    for (const std::size_t number : numbers) {
        names.push_back(atlas.at(number).name + "/" + atlas.at(number).countryCode);
    }
    return names;
}

using Names_ = std::vector<std::string>;

PlaceQuery Query(std::string city, std::string state = {}, std::string country = {},
                 std::string stateOrCountry = {}, bool wholeName = false) {
    return {std::move(city), std::move(state), std::move(country), std::move(stateOrCountry),
            wholeName};
}

TEST(Atlas, ReadsEveryField) {
    const Atlas atlas = Small();
    ASSERT_EQ(atlas.size(), 4u);
    EXPECT_EQ(atlas.at(2), (Place{"Delhi", "New York", "United States", "US", 4227814, -7491599,
                                  "America/New_York", 3157}));
    EXPECT_EQ(atlas.at(3).state, "");
}

TEST(Atlas, SearchesBeginningsRankedByPopulationEachPlaceOnce) {
    const Atlas atlas = Small();
    const auto search = [&](const PlaceQuery& query, std::size_t limit = 10) {
        return Names(atlas, atlas.search(query, limit));
    };
    EXPECT_EQ(search(Query("k")), (Names_{"Kolkata/IN", "Kalna/IN"}));
    EXPECT_EQ(search(Query("K"), 1), (Names_{"Kolkata/IN"}));
    EXPECT_EQ(search(Query("Kal")), (Names_{"Kolkata/IN", "Kalna/IN"}));
    EXPECT_EQ(search(Query("delhi")), (Names_{"Delhi/IN", "Delhi/US"}));
    EXPECT_EQ(search(Query("Delhi", "New")), (Names_{"Delhi/US"}));
    EXPECT_EQ(search(Query("Delhi", "", "us")), (Names_{"Delhi/US"}));
    EXPECT_EQ(search(Query("Delhi", "", "Ind")), (Names_{"Delhi/IN"}));
    EXPECT_EQ(search(Query("Delhi", "", "", "united")), (Names_{"Delhi/US"}));
    EXPECT_EQ(search(Query("Delhi", "", "", "delhi")), (Names_{"Delhi/IN"}));
    EXPECT_EQ(search(Query("Kalna", "West Bengal")), Names_{});  // no state in the source
    EXPECT_EQ(search(Query("Kalna", "", "India")), (Names_{"Kalna/IN"}));
    EXPECT_EQ(search(Query("")), Names_{});
    EXPECT_EQ(search(Query("kolkatax")), Names_{});
    EXPECT_EQ(search(Query("zz")), Names_{});
    EXPECT_EQ(search(Query("Kal", "", "", "", true)), Names_{});
    EXPECT_EQ(Names(atlas, atlas.find(Query("Kal"), 10)), search(Query("Kal")));
    EXPECT_EQ(Names(atlas, atlas.find(Query("Kalna"), 10)), (Names_{"Kalna/IN"}));
}

// A place found by an other name says which, unless one of its own names matched too.
TEST(Atlas, SaysWhichOtherNameFoundAPlace) {
    const Atlas atlas = Small();
    const auto matches = [&](const char* typed) {
        std::vector<std::string> found;
        for (const PlaceMatch& match : atlas.match(Query(typed), 10)) {
            found.push_back(atlas.at(match.place).name + "(" + std::string(match.otherName) + ")");
        }
        return found;
    };
    EXPECT_EQ(matches("Kal"), (Names_{"Kolkata(Kalkutta)", "Kalna()"}));
    EXPECT_EQ(matches("Kolkata W"), (Names_{"Kolkata(Kolkata-West)"}));
    EXPECT_EQ(matches("K"), (Names_{"Kolkata()", "Kalna()"}));  // "kolkata" after "kalkutta"
    EXPECT_EQ(matches("Kolkata"), (Names_{"Kolkata()"}));
}

TEST(Atlas, ParsesPlaceTexts) {
    const PlaceQuery one = ParsePlaceText(" Kolkata ");
    EXPECT_EQ(one.city, "Kolkata");
    EXPECT_EQ(one.state + one.country + one.stateOrCountry, "");
    EXPECT_EQ(ParsePlaceText("Kolkata, India").stateOrCountry, "India");
    const PlaceQuery three = ParsePlaceText("Kolkata , West Bengal,India");
    EXPECT_EQ(three.state, "West Bengal");
    EXPECT_EQ(three.country, "India");
    EXPECT_EQ(ParsePlaceText("A, B, C, D").state, "B, C");
}

// A damaged file is refused with the line at fault, never half read.
TEST(Atlas, RefusesADamagedFileNamingTheLine) {
    const auto replaced = [](std::string_view from, std::string_view to) {
        std::string text = kSmallAtlas;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::pair<std::string, std::string> cases[] = {
        {"", "line 1: the file ends early"},
        {replaced("rashi-atlas\t2", "rashi-atlas\t1"), "line 1: this is not a place atlas"},
        {replaced("states\t3", "states\t4"), "line 9: \"zones\" is not a number from 0 to 1"},
        {replaced("0\tDelhi", "2\tDelhi"), "line 7: \"2\" is not a number from 0 to 1"},
        {replaced("\t2865195\t", "\t9000001\t"), "line 13: \"9000001\" is not a number"},
        {replaced("\t-7491599\t0\t", "\t-7491599\t2\t"), "line 15: \"2\" is not a number"},
        {replaced("\t3157\n", "\t3157\tx\n"), "line 15: the line has too many fields"},
        {replaced("\t60000\n", "\n"), "line 16: a field is missing"},
        {replaced("kalna\t3\t\n", "kalna\t3\n"), "line 21: a field is missing"},
        {replaced("kalna\t3", "kalna\t4"), "line 21: \"4\" is not a number from 0 to 3"},
        {replaced("kalkutta", "kzlkutta"), "line 21: the keys are not in order"},
        {kSmallAtlas.substr(0, kSmallAtlas.rfind("kolkata west")), "line 23: the file ends early"},
        {kSmallAtlas + "x\n", "line 24: the file goes on after its last section"},
    };
    for (const auto& [text, problem] : cases) {
        const Atlas::Loaded loaded = Atlas::Parse(text);
        EXPECT_FALSE(loaded.atlas) << problem;
        EXPECT_TRUE(loaded.problem.starts_with(problem)) << loaded.problem;
    }
}

}  // namespace
}  // namespace places
