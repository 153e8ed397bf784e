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

std::string LastThree(const std::string& text) {
    return text.size() >= 3 ? text.substr(text.size() - 3) : text;
}

}  // namespace

ChartReading CalculateReading(const BirthData& birth) {
    const BirthMoment moment = MomentOf(birth);
    engine::AscendantResult ascendant = ComputeAscendant(birth, moment);
    MoonReading moon = DeriveMoonReading(moment);
    PositionList positions = ComputePlanetPositions(moment, ascendant, moon);

    ChartReading reading;
    reading.planetNames = std::move(positions.planetNames);
    reading.planetLabels = std::move(positions.planetLabels);
    reading.planetPositions = std::move(positions.planetPositions);
    reading.longitudes = positions.longitudes;
    reading.ayanamsaDegrees = std::fabs(ascendant.ayanamsaCorrection);
    reading.planetLongPositions = std::move(positions.planetLongPositions);
    reading.navamsa = NavamsaOf(positions.arcSeconds);
    reading.ascendantText = std::move(ascendant.ascendantText);
    reading.midheavenText = std::move(ascendant.midheavenText);
    reading.signedAyanamsaText = std::move(ascendant.signedAyanamsaText);
    ApplyRetrogradeMarks(MarkRetrogrades(moment.local), reading);

    // The ayanamsa is negative for every supported date; the display drops its minus sign.
    reading.ayanamsaText = reading.signedAyanamsaText.substr(1);
    reading.lagnaSign = LastThree(reading.ascendantText);
    if (const auto sign = engine::SignIndexOf(reading.lagnaSign)) {
        reading.lagnaName = RashiNames[*sign];
    }
    reading.nakshatra = std::move(moon.nakshatra);
    reading.rashi = std::move(moon.rashi);
    if (const auto lordAndPada = LookUpLordAndPada(reading.nakshatra, moon.arcSeconds)) {
        reading.nakshatraLord = lordAndPada->lord;
        reading.pada = lordAndPada->pada;
    }
    reading.moonPositionText = std::move(moon.positionText);
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
