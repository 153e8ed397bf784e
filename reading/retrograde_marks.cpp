#include "reading/retrograde_marks.h"

#include <array>
#include <string_view>

#include "engine/retrograde.h"
#include "reading/body_names.h"
#include "reading/stages.h"

namespace reading {

namespace {

constexpr std::string_view kRetrogradeMark = " (R) ";

// The labels of retrograde Mercury to Saturn held in place too, made when compiling. A mark
// appended byte by byte would make the copy of the labels that follows wait for those bytes.
constexpr std::array<engine::SmallText, kMarkedLabelCount> kMarkedLabels = [] {
    std::array<engine::SmallText, kMarkedLabelCount> labels{};
    for (int body = kMercury; body < kMarkedLabelCount; ++body) {
        labels[body] = kPlanetLabelTexts[body];
        labels[body].Append(kRetrogradeMark);
    }
    return labels;
}();

// The labels of the Sun to Saturn for the five flags.
RetrogradeMarks MarksOf(const std::array<bool, kRetrogradePlanetCount>& retrograde) {
    RetrogradeMarks marks{retrograde, {}};
    for (int body = 0; body < kMarkedLabelCount; ++body) {
        const bool marked = body >= kMercury && marks.retrograde[body - kMercury];
        marks.planetLabels[body] = marked ? kMarkedLabels[body] : kPlanetLabelTexts[body];
    }
    return marks;
}

}  // namespace

RetrogradeMarks MarkRetrogrades(const BirthData& birth) {
    // The date as entered: no zone or daylight saving. Hour 24 is the next day.
    return MarkRetrogrades(LocalClock(birth));
}

RetrogradeMarks MarkRetrogrades(const engine::CivilDateTime& localClock) {
    return MarksOf(engine::RetrogradeFlags(localClock));
}

RetrogradeMarks MarkRetrogradesBySpeed(const BodySpeeds& speeds) {
    std::array<bool, kRetrogradePlanetCount> retrograde{};
    for (int planet = 0; planet < kRetrogradePlanetCount; ++planet) {
        retrograde[planet] = speeds[kMercury + planet] < 0;
    }
    return MarksOf(retrograde);
}

}  // namespace reading
