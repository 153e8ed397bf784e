#pragma once

#include <optional>
#include <string>

#include "places/place.h"
#include "places/place_clock.h"
#include "reading/zone_choice.h"

namespace places {

// The zone row and daylight-saving box that stand for a place's clock at a birth, and what the
// user is told about it.
struct ZoneSetting {
    std::optional<reading::ZoneChoice> choice;  // empty: the zone stays as it was
    std::optional<ClockOffset> offset;          // the clock's offset, when the time occurred
    // What was applied, for the line beside the zone list:
    // "Asia/Kolkata on 15 Mar 1943: +6:30, war time".
    std::string line;
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

}  // namespace places
