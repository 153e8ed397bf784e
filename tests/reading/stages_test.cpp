#include "reading/stages.h"

#include <gtest/gtest.h>

#include "reading/sample_birth.h"

namespace reading {
namespace {

struct MoonCase {
    double longitude;
    const char* text;
    const char* nakshatra;
    const char* rashi;
};

TEST(MoonReadingAt, NamesTheNakshatraAndRashiOfALongitude) {
    const MoonCase cases[] = {
        {0, "0\u00B0 0' 0\" Ari", "Aswini", "Mesha"},
        {30, "0\u00B0 0' 0\" Tau", "Krittika", "Vrishabha"},
        {40, "10\u00B0 0' 0\" Tau", "Rohini", "Vrishabha"},  // a boundary starts the next one
        {359.9999, "29\u00B0 59' 59\" Pis", "Revati", "Meena"},
        {10.999999, "10\u00B0 59' 59\" Ari", "Aswini", "Mesha"},
        {199.462598, "19\u00B0 27' 45\" Lib", "Swati", "Thula"},
        {93.987266, "3\u00B0 59' 14\" Can", "Pushya", "Kataka"},
        {90.220598, "0\u00B0 13' 14\" Can", "Punarvasu", "Kataka"},
        {169.901963, "19\u00B0 54' 7\" Vir", "Hasta", "Kanya"},
        {293.5, "23\u00B0 30' 0\" Cap", "Dhanishtha", "Makara"},
    };
    for (const MoonCase& c : cases) {
        const MoonReading moon = MoonReadingAt(c.longitude);
        EXPECT_EQ(moon.positionText, c.text) << c.longitude;
        EXPECT_EQ(moon.nakshatra, c.nakshatra) << c.longitude;
        EXPECT_EQ(moon.rashi, c.rashi) << c.longitude;
    }
}

TEST(Stages, PlaceAndTimeOfABirth) {
    BirthData birth = SampleBirth();
    EXPECT_DOUBLE_EQ(WestLongitude(birth), -(77 + 13 / 60.0));
    EXPECT_DOUBLE_EQ(NorthLatitude(birth), 28 + 37 / 60.0);
    EXPECT_EQ(ZoneCorrectionHours(birth), -5.5);
    birth.isDaylightSaving = true;
    EXPECT_EQ(ZoneCorrectionHours(birth), -6.5);
    birth.isSouth = true;
    birth.isEast = false;
    EXPECT_LT(NorthLatitude(birth), 0);
    EXPECT_GT(WestLongitude(birth), 0);
    birth.hour = 24;
    birth.day = 30;
    EXPECT_EQ(LocalClock(birth), (engine::CivilDateTime{1980, 7, 1, 0, 30}));
}

TEST(ComputePlanetPositions, AssemblesTheListAndWrapsBelowZero) {
    engine::AscendantResult ascendant{};
    ascendant.ayanamsaCorrection = -23.5;
    ascendant.siderealAscendant = 1.035;     // 1° 2′ 6″ Aries
    ascendant.siderealMidheaven = 274.0851;  // 4° 5′ 6″ Capricorn
    const MoonReading leo = MoonReadingAt(127.1359);  // 7° 8′ 9″ Leo
    const PositionList list = ComputePlanetPositions(SampleBirth(), ascendant, leo);
    EXPECT_EQ(list.planetPositions[kMoon], "07 Leo 08");
    EXPECT_EQ(list.planetPositions[kAscendant], "01 Ari 02");
    EXPECT_EQ(list.planetPositions[kMidheaven], "04 Cap 05");
    EXPECT_EQ(list.planetNames[kKetu], "Ketu");
    // The Sun at 84.5241° on the J2000 equinox, brought back 0.2730° of precession to 1980,
    // stands at 0° 45′ Gemini with this ayanamsa.
    EXPECT_EQ(list.planetPositions[kSun], "00 Gem 45");

    // An ayanamsa larger than the tropical longitude wraps the Sun round to Pisces.
    ascendant.ayanamsaCorrection = -90;
    EXPECT_EQ(ComputePlanetPositions(SampleBirth(), ascendant, leo).planetPositions[kSun],
              "24 Pis 15");
}

}  // namespace
}  // namespace reading
