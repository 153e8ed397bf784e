#pragma once

#include <QString>
#include <optional>
#include <string>

#include "places/zone_setting.h"

namespace ui {

// The clock a row of the zone list stands for, with the daylight-saving box: "+5:30", or
// "+6:30 with daylight saving". The list's own texts are no guide ("Indian Time, IST, +5.3").
std::string RowClockText(int row, bool daylightSaving);

// The line under the zone list while the zone follows no place's clock: "Chosen zone: +5:30".
std::string ChosenZoneLine(int row, bool daylightSaving);

// A row of the zone list as the list shows it, in the language spoken: "Indian Time, IST, +5.3".
// The reading file and the command line know the rows by number and English text alone.
QString ZoneRowText(int row);

// The chart's note of the zone it was cast with, and of the place's clock when the atlas gave
// one: "Time zone: Indian Time, IST, +5.3 (+5:30) · Asia/Kolkata on 15 Jun 1980: +5:30".
std::string CastZoneNote(int row, bool daylightSaving,
                         const std::optional<places::PlaceClock>& placeClock);

}  // namespace ui
