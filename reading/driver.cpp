#include "reading/driver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <utility>

#include "engine/vector_state.h"
#include "engine/zodiac.h"
#include "reading/body_names.h"
#include "reading/nakshatra_lookup.h"
#include "reading/navamsa.h"
#include "reading/retrograde_marks.h"
#include "reading/sign_tables.h"
#include "reading/stages.h"

namespace reading {

namespace {

// The marks give the labels of the Sun to Saturn, the plain labels the rest.
BodyTexts LabelsOf(const RetrogradeMarks& marks) {
    BodyTexts labels = kPlanetLabelTexts;
    std::copy(marks.planetLabels.begin(), marks.planetLabels.end(), labels.begin());
    return labels;
}

}  // namespace

ChartReading CalculateReading(const BirthData& birth) {
    engine::ClearUpperVectorHalves();
    const BirthMoment moment = MomentOf(birth);
    const engine::AscendantResult ascendant = ComputeAscendant(birth, moment);
    const MoonReading moon = DeriveMoonReading(moment);
    const PositionList positions = ComputePlanetPositions(moment, ascendant, moon);
    const RetrogradeMarks marks = MarkRetrogrades(moment.local);
    const auto lordAndPada = LookUpLordAndPada(moon.nakshatra, moon.arcSeconds);
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
        .longitudes = positions.longitudes,
        .ayanamsaDegrees = std::fabs(ascendant.ayanamsaCorrection),
    };
}

std::optional<FormRefusal> RunCalculation(const FormValues& form, BirthData& birth,
                                          ChartReading& reading) {
    if (auto refusal = ValidateInput(form)) {
        return refusal;
    }
    CopyResult copy = CopyFormToBirthData(form);
    if (copy.refusal) {
        return copy.refusal;
    }
    ChartReading computed = CalculateReading(*copy.birth);
    birth = std::move(*copy.birth);
    reading = std::move(computed);
    return std::nullopt;
}

engine::CivilDateTime UniversalInstant(const BirthData& birth) {
    return engine::UniversalDateTime(LocalClock(birth), birth.zoneHourOffset,
                                     birth.zoneMinuteOffset, birth.isDaylightSaving);
}

}  // namespace reading
