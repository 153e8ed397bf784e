#pragma once

#include <string_view>
#include <vector>

namespace places {

// A clock's offset from Greenwich at one moment, in seconds east, and the part of it that was
// standard time; the rest was daylight saving.
struct ClockOffset {
    int offsetSeconds = 0;
    int standardSeconds = 0;

    int daylightSeconds() const { return offsetSeconds - standardSeconds; }
    friend bool operator==(const ClockOffset&, const ClockOffset&) = default;
};

// A local date and clock time; hour 24 is 0 h of the next day, as the form's list allows.
struct LocalMoment {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;

    friend bool operator==(const LocalMoment&, const LocalMoment&) = default;
};

// What a zone's clocks showed at a local time: once (one offset), twice after the clocks were
// turned back (two offsets, the earlier first), or never because they were turned forward.
struct LocalClock {
    enum class Kind { kUnknownZone, kOnce, kTwice, kNever };
    Kind kind = Kind::kUnknownZone;
    std::vector<ClockOffset> offsets;
};

// Reads the system's time-zone database (tzdata) for the IANA zone at the local moment.
LocalClock ReadClock(std::string_view ianaZone, const LocalMoment& moment);

}  // namespace places
