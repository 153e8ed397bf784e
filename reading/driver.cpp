#include "reading/driver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <utility>

#include "engine/angles.h"
#include "engine/vector_state.h"
#include "engine/zodiac.h"
#include "reading/body_names.h"
#include "reading/nakshatra_lookup.h"
#include "reading/navamsa.h"
#include "reading/retrograde_marks.h"
#include "reading/sign_tables.h"
#include "reading/stages.h"
#include "reading/vargas.h"

namespace reading {

namespace {

// The marks give the labels of the Sun to Saturn, the plain labels the rest.
BodyTexts LabelsOf(const RetrogradeMarks& marks) {
    return BodyTextsOf([&marks](int body) {
        return body < kMarkedLabelCount ? marks.planetLabels[body] : kPlanetLabelTexts[body];
    });
}

// The chart from the mean elements: the program's own calculation.
ChartReading MeanElementsReading(const BirthData& birth) {
    const BirthMoment moment = MomentOf(birth);
    const engine::AscendantResult ascendant = ComputeAscendant(birth, moment);
    const MoonReading moon = DeriveMoonReading(moment);
    const PositionList positions = ComputePlanetPositions(moment, ascendant, moon);
    const RetrogradeMarks marks = MarkRetrogrades(moment.local);
    const auto lordAndPada = LookUpLordAndPada(moon.nakshatraIndex, moon.arcSeconds);
    // The Lagna is the sign the ascendant's text shows, from the same cut.
    const int lagna = positions.arcSeconds[kAscendant] / engine::kArcSecondsPerSign;
    // The ayanamsa is negative for every supported date; the display drops its minus sign.
    const std::string_view ayanamsaText = ascendant.signedAyanamsaText.view().substr(1);

    return ChartReading{
        .planetNames = positions.planetNames,
        .planetLabels = LabelsOf(marks),
        .planetPositions = positions.planetPositions,
        .ascendantText = ascendant.ascendantText,
        .midheavenText = ascendant.midheavenText,
        .signedAyanamsaText = ascendant.signedAyanamsaText,
        .ayanamsaText = ayanamsaText,
        .lagnaSign = SignAbbreviationTable[lagna],
        .lagnaName = RashiNames[lagna],
        .nakshatra = moon.nakshatra,
        .rashi = moon.rashi,
        .nakshatraLord = lordAndPada ? lordAndPada->lord : std::string_view(),
        .pada = lordAndPada ? lordAndPada->pada : std::string_view(),
        .retrograde = marks.retrograde,
        .moonPositionText = moon.positionText,
        .planetLongPositions = positions.planetLongPositions,
        .navamsa = NavamsaOf(positions.arcSeconds),
        .vargas = VargasOf(positions.arcSeconds),
        .longitudes = positions.longitudes,
        .ayanamsaDegrees = std::fabs(ascendant.ayanamsaCorrection),
        .settings = {},
        .speeds = {},
    };
}

// The chart from the precise ephemeris: its texts, signs, navamsa and nakshatra are read from
// its longitudes exactly as the mean elements' are from theirs.
ChartReading PreciseReading(const BirthData& birth, const ChartSettings& settings) {
    // The tables need only the universal instant, not the rest of the birth's moment.
    const engine::PreciseSky sky = ComputePreciseSky(birth, UniversalInstant(birth), settings);
    const BodyCut cut = PreciseCut(sky);
    const MoonNames moon = MoonNamesAt(cut.longitudes[kMoon], cut.arcSeconds[kMoon]);
    BodySpeeds speeds{};
    std::copy(sky.speeds.begin(), sky.speeds.end(), speeds.begin());
    speeds[kKetu] = sky.speeds[kRahu];
    const RetrogradeMarks marks = MarkRetrogradesBySpeed(speeds);
    const auto lordAndPada = LookUpLordAndPada(moon.nakshatraIndex, cut.arcSeconds[kMoon]);
    const int lagna = cut.arcSeconds[kAscendant] / engine::kArcSecondsPerSign;
    // The ayanamsa is written as the mean elements write theirs: as the correction that takes
    // tropical to sidereal longitudes, with its minus sign, and without it for display.
    const engine::SmallText signedAyanamsaText = engine::SignedAngleSmallText(-sky.ayanamsa);
    const std::string_view ayanamsaText = signedAyanamsaText.view().substr(1);
    // The position texts are written in the reading itself: a list made first and copied in
    // would make the copy wait for their bytes.
    const auto longText = [&cut](int body) {
        return engine::LongPositionTextOfArcSeconds(cut.arcSeconds[body]);
    };
    const auto shortText = [&cut](int body) {
        return engine::ShortPositionTextOfArcSeconds(cut.arcSeconds[body]);
    };

    ChartReading reading{
        .planetNames = kPlanetNames,
        .planetLabels = LabelsOf(marks),
        .planetPositions = BodyTextsOf(shortText),
        .ascendantText = {},
        .midheavenText = {},
        .signedAyanamsaText = signedAyanamsaText,
        .ayanamsaText = ayanamsaText,
        .lagnaSign = SignAbbreviationTable[lagna],
        .lagnaName = RashiNames[lagna],
        .nakshatra = moon.nakshatra,
        .rashi = moon.rashi,
        .nakshatraLord = lordAndPada ? lordAndPada->lord : std::string_view(),
        .pada = lordAndPada ? lordAndPada->pada : std::string_view(),
        .retrograde = marks.retrograde,
        .moonPositionText = {},
        .planetLongPositions = BodyTextsOf(longText),
        .navamsa = NavamsaOf(cut.arcSeconds),
        .vargas = VargasOf(cut.arcSeconds),
        .longitudes = cut.longitudes,
        .ayanamsaDegrees = sky.ayanamsa,
        .settings = settings,
        .speeds = speeds,
    };
    reading.ascendantText = reading.planetLongPositions[kAscendant];
    reading.midheavenText = reading.planetLongPositions[kMidheaven];
    reading.moonPositionText = reading.planetLongPositions[kMoon];
    return reading;
}

}  // namespace

ChartReading CalculateReading(const BirthData& birth, const ChartSettings& settings) {
    engine::ClearUpperVectorHalves();
    return settings.precise() ? PreciseReading(birth, settings) : MeanElementsReading(birth);
}

std::optional<FormRefusal> RunCalculation(const FormValues& form, BirthData& birth,
                                          ChartReading& reading, const ChartSettings& settings) {
    if (auto refusal = ValidateInput(form)) {
        return refusal;
    }
    CopyResult copy = CopyFormToBirthData(form);
    if (copy.refusal) {
        return copy.refusal;
    }
    ChartReading computed = CalculateReading(*copy.birth, settings);
    birth = std::move(*copy.birth);
    reading = std::move(computed);
    return std::nullopt;
}

engine::CivilDateTime UniversalInstant(const BirthData& birth) {
    return engine::UniversalDateTime(LocalClock(birth), birth.zoneHourOffset,
                                     birth.zoneMinuteOffset, birth.isDaylightSaving);
}

}  // namespace reading
