#pragma once

#include <optional>
#include <string>

#include "places/place.h"
#include "places/place_clock.h"
#include "reading/zone_choice.h"

namespace places {

// What a place's clock showed at a birth, as values: the window says it in its language, the
// command line in English (PlaceClockLine).
struct PlaceClock {
    enum class Kind {
        kUnknownZone,     // the computer's time-zone database lacks the zone
        kNeverOccurred,   // the clocks were turned forward over the time
        kCameTwice,       // the clocks were turned back over it, and no one said which time
        kStandardTime,    // a row of the list holds the offset
        kDaylightSaving,  // a row holds it, with the daylight-saving box
        kWarTime,         // the same, in the years of the Second World War
        kNoZoneInList,    // no row has the offset
    };
    Kind kind = Kind::kUnknownZone;
    std::string zone;  // the IANA zone: "Asia/Kolkata"
    LocalMoment moment;
    int offsetSeconds = 0;  // east of Greenwich; from kStandardTime on

    friend bool operator==(const PlaceClock&, const PlaceClock&) = default;
};

// The line beside the zone list, in English: "Asia/Kolkata on 15 Mar 1943: +6:30, war time",
// "Asia/Kathmandu on 15 Jun 1990: +5:45, no zone in the list".
std::string PlaceClockLine(const PlaceClock& clock);

// The zone row and daylight-saving box that stand for a place's clock at a birth, and what the
// user is told about it.
struct ZoneSetting {
    std::optional<reading::ZoneChoice> choice;  // empty: the zone stays as it was
    std::optional<ClockOffset> offset;          // the clock's offset, when the time occurred
    PlaceClock clock;                           // what was applied, for the line beside the list
    std::string line;                           // the same in English (PlaceClockLine)
    std::string problem;  // why there is no choice, for a message; empty when there is one
};

// Settles the zone for the place's clock at the moment. For a time the clocks showed twice,
// occurrence 0 takes the earlier and 1 the later.
ZoneSetting SettleZone(const Place& place, const LocalMoment& moment, const LocalClock& clock,
                       int occurrence = 0);

// The question asked when the clocks showed the moment twice, and the two answers, earlier
// first: "1:30 with daylight saving (-4:00)".
std::string RepeatedTimeQuestion(const Place& place, const LocalMoment& moment);
std::string OccurrenceAnswer(const LocalMoment& moment, const ClockOffset& offset);

// "15 Mar 1943".
std::string DateText(const LocalMoment& moment);

// "1:30": the clock time of the moment.
std::string TimeText(const LocalMoment& moment);

// Whether clocks advanced at the moment were the war's: from September 1939 to the end of 1945.
bool IsWarTime(const LocalMoment& moment);

}  // namespace places
