#pragma once

#include <string>

#include "engine/calendar.h"

namespace reading {

// "1980-06-15": a date as ISO 8601.
std::string IsoDate(const engine::CivilDate& date);

// "1980-06-15T05:00:00Z": a universal date and time as ISO 8601.
std::string IsoUniversalTime(const engine::CivilDateTime& universal);

}  // namespace reading
