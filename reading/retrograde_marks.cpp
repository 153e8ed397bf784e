#include "reading/retrograde_marks.h"

#include <array>
#include <string_view>

#include "engine/retrograde.h"
#include "reading/body_names.h"
#include "reading/stages.h"

namespace reading {

namespace {

constexpr std::string_view kRetrogradeMark = " (R) ";

// The plain labels held in place, made when compiling: each chart copies them as a block.
constexpr std::array<engine::SmallText, kMarkedLabelCount> kPlainLabels = [] {
    std::array<engine::SmallText, kMarkedLabelCount> labels{};
    for (int body = 0; body < kMarkedLabelCount; ++body) {
        labels[body] = kPlanetLabels[body];
    }
    return labels;
}();

}  // namespace

RetrogradeMarks MarkRetrogrades(const BirthData& birth) {
    // The date as entered: no zone or daylight saving. Hour 24 is the next day.
    return MarkRetrogrades(LocalClock(birth));
}

RetrogradeMarks MarkRetrogrades(const engine::CivilDateTime& localClock) {
    RetrogradeMarks marks{engine::RetrogradeFlags(localClock), kPlainLabels};
    for (int planet = 0; planet < kRetrogradePlanetCount; ++planet) {
        if (marks.retrograde[planet]) {
            marks.planetLabels[kMercury + planet].Append(kRetrogradeMark);
        }
    }
    return marks;
}

}  // namespace reading
