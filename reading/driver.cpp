#include "reading/driver.h"
#include "engine/vector_state.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "engine/vector_state.h"
#include "engine/zodiac.h"
#include "reading/nakshatra_lookup.h"
#include "reading/navamsa.h"
#include "reading/retrograde_marks.h"
#include "reading/sign_tables.h"
#include "reading/stages.h"

namespace reading {

namespace {

// The strings of texts in body order, made in place in the record being built.
template <typename Texts>
BodyTexts StringsOf(const Texts& texts) {
    return [&]<std::size_t... Body>(std::index_sequence<Body...>) {
        return BodyTexts{std::string(std::string_view(texts[Body]))...};
    }
    (std::make_index_sequence<kBodyCount>{});
}

// The marks give the labels of the Sun to Saturn, the plain labels the rest.
std::array<std::string_view, kBodyCount> LabelsOf(const RetrogradeMarks& marks,
                                                  const PositionList& positions) {
    std::array<std::string_view, kBodyCount> labels = positions.planetLabels;
    for (int body = 0; body < kMarkedLabelCount; ++body) {
        labels[body] = marks.planetLabels[body];
    }
    return labels;
}

}  // namespace

ChartReading CalculateReading(const BirthData& birth) {
    engine::ClearUpperVectorHalves();
    const BirthMoment moment = MomentOf(birth);
    engine::AscendantResult ascendant = ComputeAscendant(birth, moment);
    const MoonReading moon = DeriveMoonReading(moment);
    const PositionList positions = ComputePlanetPositions(moment, ascendant, moon);
    const RetrogradeMarks marks = MarkRetrogrades(moment.local);
    const auto lordAndPada = LookUpLordAndPada(moon.nakshatra, moon.arcSeconds);
    // The Lagna is the sign the ascendant's text shows, from the same cut.
    const int lagna = positions.arcSeconds[kAscendant] / engine::kArcSecondsPerSign;
    // The ayanamsa is negative for every supported date; the display drops its minus sign.
    const std::string_view ayanamsaText = std::string_view(ascendant.signedAyanamsaText).substr(1);

    // The record is built in one expression, so each of its strings is made once, in place.
    return ChartReading{
        .planetNames = StringsOf(positions.planetNames),
        .planetLabels = StringsOf(LabelsOf(marks, positions)),
        .planetPositions = StringsOf(positions.planetPositions),
        .ascendantText = std::move(ascendant.ascendantText),
        .midheavenText = std::move(ascendant.midheavenText),
        .signedAyanamsaText = ascendant.signedAyanamsaText,  // still read by ayanamsaText
        .ayanamsaText = std::string(ayanamsaText),
        .lagnaSign = std::string(SignAbbreviationTable[lagna]),
        .lagnaName = std::string(RashiNames[lagna]),
        .nakshatra = std::string(moon.nakshatra),
        .rashi = std::string(moon.rashi),
        .nakshatraLord = lordAndPada ? std::string(lordAndPada->lord) : std::string(),
        .pada = lordAndPada ? std::string(lordAndPada->pada) : std::string(),
        .retrograde = marks.retrograde,
        .moonPositionText = std::string(moon.positionText.view()),
        .planetLongPositions = StringsOf(positions.planetLongPositions),
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
