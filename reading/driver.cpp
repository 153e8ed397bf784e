#include "reading/driver.h"

#include <cmath>
#include <utility>

#include "engine/zodiac.h"
#include "reading/nakshatra_lookup.h"
#include "reading/navamsa.h"
#include "reading/retrograde_marks.h"
#include "reading/sign_tables.h"
#include "reading/stages.h"

namespace reading {

namespace {

std::string_view LastThree(std::string_view text) {
    return text.size() >= 3 ? text.substr(text.size() - 3) : text;
}

}  // namespace

ChartReading CalculateReading(const BirthData& birth) {
    const BirthMoment moment = MomentOf(birth);
    engine::AscendantResult ascendant = ComputeAscendant(birth, moment);
    const MoonReading moon = DeriveMoonReading(moment);
    const PositionList positions = ComputePlanetPositions(moment, ascendant, moon);

    ChartReading reading;
    // Each text is copied once into its place; the marks give the labels of the Sun to Saturn.
    const RetrogradeMarks marks = MarkRetrogrades(moment.local);
    reading.retrograde = marks.retrograde;
    for (int body = 0; body < kBodyCount; ++body) {
        reading.planetNames[body] = positions.planetNames[body];
        reading.planetLabels[body] = body < kMarkedLabelCount ? marks.planetLabels[body].view()
                                                              : positions.planetLabels[body];
        reading.planetPositions[body] = positions.planetPositions[body].view();
        reading.planetLongPositions[body] = positions.planetLongPositions[body].view();
    }
    reading.longitudes = positions.longitudes;
    reading.ayanamsaDegrees = std::fabs(ascendant.ayanamsaCorrection);
    reading.navamsa = NavamsaOf(positions.arcSeconds);
    reading.ascendantText = std::move(ascendant.ascendantText);
    reading.midheavenText = std::move(ascendant.midheavenText);
    reading.signedAyanamsaText = std::move(ascendant.signedAyanamsaText);

    // The ayanamsa is negative for every supported date; the display drops its minus sign.
    reading.ayanamsaText = std::string_view(reading.signedAyanamsaText).substr(1);
    reading.lagnaSign = LastThree(reading.ascendantText);
    if (const auto sign = engine::SignIndexOf(reading.lagnaSign)) {
        reading.lagnaName = RashiNames[*sign];
    }
    reading.nakshatra = moon.nakshatra;
    reading.rashi = moon.rashi;
    if (auto lordAndPada = LookUpLordAndPada(reading.nakshatra, moon.arcSeconds)) {
        reading.nakshatraLord = std::move(lordAndPada->lord);
        reading.pada = std::move(lordAndPada->pada);
    }
    reading.moonPositionText = moon.positionText.view();
    return reading;
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
