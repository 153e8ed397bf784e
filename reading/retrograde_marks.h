#pragma once

#include <array>

#include "engine/calendar.h"
#include "engine/small_text.h"
#include "reading/birth_data.h"
#include "reading/chart_reading.h"

namespace reading {

// Labels of the Sun to Saturn are rewritten by the marks; the nodes are never marked.
inline constexpr int kMarkedLabelCount = kSaturn + 1;

struct RetrogradeMarks {
    std::array<bool, kRetrogradePlanetCount> retrograde{};          // Mercury to Saturn
    std::array<engine::SmallText, kMarkedLabelCount> planetLabels;  // Sun to Saturn
};

// The five retrograde flags from the birth's local date, and the labels of the Sun to Saturn:
// the plain names with " (R) " behind each retrograde Mercury to Saturn. The labels are built
// afresh every time, so marks never pile up.
RetrogradeMarks MarkRetrogrades(const BirthData& birth);
RetrogradeMarks MarkRetrogrades(const engine::CivilDateTime& localClock);

// The marks of a chart whose daily motions are known: Mercury to Saturn are retrograde while
// their longitude decreases.
RetrogradeMarks MarkRetrogradesBySpeed(const BodySpeeds& speeds);

}  // namespace reading
