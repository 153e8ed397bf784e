#pragma once

#include "reading/birth_data.h"
#include "reading/chart_reading.h"

namespace reading {

// Sets the five retrograde flags from the birth's local date and rewrites the labels of the Sun
// to Saturn: the plain names first, then " (R) " behind each retrograde Mercury to Saturn, so
// marks never pile up.
ChartReading MarkRetrogrades(const BirthData& birth, ChartReading reading);

}  // namespace reading
