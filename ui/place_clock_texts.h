#pragma once

#include <QString>

#include "places/place.h"
#include "places/place_clock.h"
#include "places/zone_setting.h"

namespace ui {

// What the atlas tells of a place's clock, in the language spoken: dates in its month names and
// order, numbers in its digits. In English the texts are the command line's, word for word.

// The line beside the zone list and in the note under the chart:
// "Asia/Kolkata on 15 Jun 1980: +5:30".
QString PlaceClockText(const places::PlaceClock& clock);

// Why the place's clock sets no zone, for a message: the zone unknown to the computer, a time
// that never occurred, an offset no row of the list has.
QString PlaceClockProblem(const places::Place& place, const places::PlaceClock& clock);

// The same for an offset no row has, when a chart is asked for before a zone was chosen.
QString UnchosenZoneRefusal(const places::Place& place, const places::PlaceClock& clock);

// The question when the clocks showed the time twice, and one of its answers:
// "1:30 with daylight saving (-4:00)".
QString RepeatedTimeQuestionText(const places::Place& place, const places::LocalMoment& moment);
QString OccurrenceAnswerText(const places::LocalMoment& moment, const places::ClockOffset& offset);

}  // namespace ui
