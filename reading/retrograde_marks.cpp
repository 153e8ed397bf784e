#include "reading/retrograde_marks.h"

#include "engine/retrograde.h"
#include "reading/body_names.h"
#include "reading/stages.h"

namespace reading {

namespace {

// Labels of the Sun to Saturn are rewritten; the nodes are never marked.
constexpr int kRewrittenLabels = kSaturn + 1;
constexpr const char* kRetrogradeMark = " (R) ";

}  // namespace

ChartReading MarkRetrogrades(const BirthData& birth, ChartReading reading) {
    // The date as entered: no zone or daylight saving. Hour 24 is the next day.
    reading.retrograde = engine::RetrogradeFlags(LocalClock(birth));
    for (int body = 0; body < kRewrittenLabels; ++body) {
        reading.planetLabels[body] = kPlanetLabels[body];
    }
    for (int planet = 0; planet < kRetrogradePlanetCount; ++planet) {
        if (reading.retrograde[planet]) {
            reading.planetLabels[kMercury + planet] += kRetrogradeMark;
        }
    }
    return reading;
}

}  // namespace reading
