// Charts from the precise ephemeris: every text follows from the sky's longitudes, the marks from
// its speeds; the mean elements' charts stay as they were whatever the precise choices say.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/angles.h"
#include "engine/precise_sky.h"
#include "reading/driver.h"
#include "reading/random_births.h"
#include "reading/sign_tables.h"
#include "reading/stages.h"
#include "reading/vargas.h"
#include "reading/vimshottari_dasha.h"

namespace reading {
namespace {

using engine::AyanamsaMode;
using engine::NodeKind;

constexpr ChartSettings kPreciseChoices[] = {
    {PositionsKind::kPreciseEphemeris, AyanamsaMode::kLahiri, NodeKind::kMean},
    {PositionsKind::kPreciseEphemeris, AyanamsaMode::kRaman, NodeKind::kTrue},
    {PositionsKind::kPreciseEphemeris, AyanamsaMode::kKrishnamurti, NodeKind::kMean},
    {PositionsKind::kPreciseEphemeris, AyanamsaMode::kTrueChitrapaksha, NodeKind::kTrue},
};

// The texts a longitude gets, worked out here from its degrees, minutes and seconds.
struct Expected {
    int arcSeconds;
    int sign;
    std::string longText;
    std::string shortText;
};

Expected ExpectedFor(double longitude) {
    const int arcSeconds = static_cast<int>(std::floor(longitude * 3600));
    const int sign = arcSeconds / (30 * 3600);
    const int inSign = arcSeconds % (30 * 3600);
    const std::string_view abbreviation = SignAbbreviationTable[sign];
    char shortText[16];
    std::snprintf(shortText, sizeof shortText, "%02d %.3s %02d", inSign / 3600, abbreviation.data(),
                  inSign / 60 % 60);
    return {arcSeconds, sign,
            std::to_string(inSign / 3600) + "\u00B0 " + std::to_string(inSign / 60 % 60) + "' " +
                std::to_string(inSign % 60) + "\" " + std::string(abbreviation),
            shortText};
}

TEST(PreciseReading, EveryTextFollowsTheSkysLongitudesAndEveryMarkItsSpeeds) {
    int retrogradeSeen = 0;
    int directSeen = 0;
    for (const BirthData& birth : RandomBirths(400, 22)) {
        for (const ChartSettings& settings : kPreciseChoices) {
            const engine::PreciseSky sky = ComputePreciseSky(birth, UniversalInstant(birth), settings);
            const ChartReading reading = CalculateReading(birth, settings);
            ASSERT_EQ(reading.settings, settings);

            BodyLongitudes longitudes{};
            std::copy(sky.longitudes.begin(), sky.longitudes.end(), longitudes.begin());
            longitudes[kKetu] = std::fmod(sky.longitudes[kRahu] + 180, 360);
            longitudes[kAscendant] = sky.ascendant;
            longitudes[kMidheaven] = sky.midheaven;
            for (int body = 0; body < kBodyCount; ++body) {
                // Ketu is Rahu turned half a circle, which may differ from it in the last bit.
                EXPECT_NEAR(reading.longitudes[body], longitudes[body], 1e-12) << body;
                const Expected expected = ExpectedFor(reading.longitudes[body]);
                EXPECT_EQ(reading.planetPositions[body], expected.shortText) << body;
                EXPECT_EQ(reading.planetLongPositions[body], expected.longText) << body;
                if (body < kNavamsaBodyCount) {
                    EXPECT_EQ(reading.navamsa[body],
                              SignAbbreviationTable[expected.arcSeconds / 12000 % 12])
                        << body;
                    for (int varga = 0; varga < kVargaCount; ++varga) {
                        EXPECT_EQ(reading.vargas[varga][body],
                                  VargaSignOfArcSeconds(varga, expected.arcSeconds))
                            << body << ' ' << varga;
                    }
                }
            }
            EXPECT_EQ(reading.ascendantText, ExpectedFor(sky.ascendant).longText);
            EXPECT_EQ(reading.midheavenText, ExpectedFor(sky.midheaven).longText);
            EXPECT_EQ(reading.lagnaName, RashiNames[ExpectedFor(sky.ascendant).sign]);

            const Expected moon = ExpectedFor(sky.longitudes[kMoon]);
            EXPECT_EQ(reading.moonPositionText, moon.longText);
            EXPECT_EQ(reading.rashi, RashiNames[moon.sign]);
            const int nakshatra = moon.arcSeconds / kArcSecondsPerNakshatra;
            EXPECT_EQ(reading.nakshatra, NakshatraNames[nakshatra]);
            EXPECT_EQ(reading.pada, std::to_string(1 + moon.arcSeconds % kArcSecondsPerNakshatra /
                                                           (kArcSecondsPerNakshatra / 4)));

            EXPECT_DOUBLE_EQ(reading.ayanamsaDegrees, sky.ayanamsa);
            EXPECT_EQ(reading.ayanamsaText, engine::SignedAngleText(sky.ayanamsa));
            // Built by appending: GCC's -O3 misreads "-" + text as overlapping copies.
            std::string signedAyanamsa = "-";
            signedAyanamsa += engine::SignedAngleText(sky.ayanamsa);
            EXPECT_EQ(reading.signedAyanamsaText, signedAyanamsa);

            for (int body = 0; body < kChartBodyCount; ++body) {
                EXPECT_EQ(reading.speeds[body], sky.speeds[body == kKetu ? kRahu : body]);
            }
            for (int planet = 0; planet < kRetrogradePlanetCount; ++planet) {
                const bool retrograde = sky.speeds[kMercury + planet] < 0;
                EXPECT_EQ(reading.retrograde[planet], retrograde) << planet;
                EXPECT_EQ(reading.planetLabels[kMercury + planet].view().ends_with(" (R) "),
                          retrograde);
                (retrograde ? retrogradeSeen : directSeen)++;
            }
            // The dasha counts from the precise Moon.
            const auto dasha = ComputeVimshottariDasha(birth, reading);
            ASSERT_TRUE(dasha);
            EXPECT_EQ(dasha->balanceLord(),
                      ComputeVimshottariDasha(moon.longText, LocalClock(birth))->balanceLord());
        }
    }
    EXPECT_GT(retrogradeSeen, 100);
    EXPECT_GT(directSeen, 100);
}

TEST(PreciseReading, MeanElementsIgnoreThePreciseChoices) {
    for (const BirthData& birth : RandomBirths(50, 7)) {
        const ChartReading plain = CalculateReading(birth);
        EXPECT_EQ(plain.settings, ChartSettings{});
        EXPECT_EQ(plain.speeds, BodySpeeds{});
        for (ChartSettings settings : kPreciseChoices) {
            settings.positions = PositionsKind::kMeanElements;
            EXPECT_EQ(CalculateReading(birth, settings), plain);
        }
    }
}

TEST(ChartSettings, EveryChoiceHasOneWordAndOtherWordsNameNone) {
    for (const PositionsKind positions :
         {PositionsKind::kMeanElements, PositionsKind::kPreciseEphemeris}) {
        EXPECT_EQ(PositionsNamed(WordOf(positions)), positions);
    }
    for (const AyanamsaMode ayanamsa :
         {AyanamsaMode::kLahiri, AyanamsaMode::kRaman, AyanamsaMode::kKrishnamurti,
          AyanamsaMode::kTrueChitrapaksha}) {
        EXPECT_EQ(AyanamsaNamed(WordOf(ayanamsa)), ayanamsa);
    }
    for (const NodeKind node : {NodeKind::kMean, NodeKind::kTrue}) {
        EXPECT_EQ(NodeNamed(WordOf(node)), node);
    }
    EXPECT_EQ(WordOf(AyanamsaMode::kTrueChitrapaksha), "true-chitra");
    for (const std::string_view word : {"", "Lahiri", "lahiri ", "chitra", "precise-ephemeris"}) {
        EXPECT_FALSE(AyanamsaNamed(word)) << word;
        EXPECT_FALSE(PositionsNamed(word)) << word;
        EXPECT_FALSE(NodeNamed(word)) << word;
    }
}

}  // namespace
}  // namespace reading
