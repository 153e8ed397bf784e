#pragma once

#include <optional>
#include <string_view>

namespace reading {

// A row of the time zone list with the daylight-saving box, standing for a clock's offset.
struct ZoneChoice {
    int row = 0;
    bool daylightSaving = false;

    friend bool operator==(const ZoneChoice&, const ZoneChoice&) = default;
};

// The offset from Greenwich of a row's clock, in seconds, east positive.
int RowOffsetSeconds(int row);

// The row for a clock that ran offsetSeconds from Greenwich, of which standardOffsetSeconds
// were its standard time (both east positive), in the IANA zone ianaZone:
// - the row of the standard offset, with daylight saving when one hour of it was in force
//   (India's war time, +6:30, is daylight saving on Indian Time);
// - otherwise the row of the whole offset with daylight saving cleared (British Double Summer
//   Time, +2, is a row of its own);
// - nothing when no row has the offset (Nepal's +5:45, local mean time with its seconds).
// Where several rows share an offset, the one whose name fits the zone's region is taken
// (Eastern Standard Time for New York), else the first in the list.
std::optional<ZoneChoice> ChooseZoneRow(int offsetSeconds, int standardOffsetSeconds,
                                        std::string_view ianaZone);

}  // namespace reading
