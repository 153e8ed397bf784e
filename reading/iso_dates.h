#pragma once

#include <string>

#include "engine/calendar.h"
#include "engine/small_text.h"

namespace reading {

// "1980-06-15": a date as ISO 8601.
std::string IsoDate(const engine::CivilDate& date);

// "1980-06-15T05:00:00Z": a universal date and time as ISO 8601. Held in place: a batch writes one
// a row, and as a std::string it would take memory from the heap each time.
engine::SmallText IsoUniversalTime(const engine::CivilDateTime& universal);

}  // namespace reading
