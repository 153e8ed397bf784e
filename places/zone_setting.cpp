#include "places/zone_setting.h"

#include <QLocale>
#include <cstdio>

#include "places/place_text.h"

namespace places {

namespace {

std::string TimeText(const LocalMoment& moment) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", moment.hour, moment.minute);
    return text;
}

// Clocks advanced between September 1939 and the end of 1945 were the war's.
bool IsWarTime(const LocalMoment& moment) {
    const int month = moment.year * 12 + moment.month;
    return month >= 1939 * 12 + 9 && month <= 1945 * 12 + 12;
}

std::string OffsetWithDaylight(const LocalMoment& moment, const ClockOffset& offset) {
    std::string text = OffsetText(offset.offsetSeconds);
    if (offset.daylightSeconds() > 0) {
        text += IsWarTime(moment) ? ", war time" : ", daylight saving";
    }
    return text;
}

}  // namespace

std::string DateText(const LocalMoment& moment) {
    return std::to_string(moment.day) + " " +
           QLocale::c().monthName(moment.month, QLocale::ShortFormat).toStdString() + " " +
           std::to_string(moment.year);
}

ZoneSetting SettleZone(const Place& place, const LocalMoment& moment, const LocalClock& clock,
                       int occurrence) {
    ZoneSetting setting;
    const std::string where = place.timeZone + " on " + DateText(moment) + ": ";
    switch (clock.kind) {
        case LocalClock::Kind::kUnknownZone:
            setting.line = where + "unknown to this computer";
            setting.problem = "This computer's time-zone database does not know the zone " +
                              place.timeZone + " of " + PlaceLabel(place) +
                              ". Please choose the time zone and daylight saving by hand.";
            return setting;
        case LocalClock::Kind::kNever:
            setting.line = where + TimeText(moment) + " never occurred";
            setting.problem = "The time " + TimeText(moment) + " never occurred in " +
                              PlaceLabel(place) + " on " + DateText(moment) +
                              ": the clocks were turned forward that night. Please check the "
                              "time of birth.";
            return setting;
        case LocalClock::Kind::kOnce:
        case LocalClock::Kind::kTwice:
            break;
    }
    const std::size_t index =
        std::min(static_cast<std::size_t>(std::max(occurrence, 0)), clock.offsets.size() - 1);
    const ClockOffset offset = clock.offsets[index];
    setting.offset = offset;
    setting.choice =
        reading::ChooseZoneRow(offset.offsetSeconds, offset.standardSeconds, place.timeZone);
    if (setting.choice) {
        setting.line = where + OffsetWithDaylight(moment, offset);
    } else {
        setting.line = where + OffsetText(offset.offsetSeconds) + ", no zone in the list";
        setting.problem = "In " + PlaceLabel(place) + " on " + DateText(moment) +
                          " the clocks were " + OffsetText(offset.offsetSeconds) +
                          " from Greenwich, and no time zone in the list has that offset.";
    }
    return setting;
}

std::string RepeatedTimeQuestion(const Place& place, const LocalMoment& moment) {
    return "The clocks of " + PlaceLabel(place) + " were turned back on " + DateText(moment) +
           ", so " + TimeText(moment) + " came twice. Which one was the time of birth?";
}

std::string OccurrenceAnswer(const LocalMoment& moment, const ClockOffset& offset) {
    return TimeText(moment) + (offset.daylightSeconds() > 0 ? " with daylight saving (" : " (") +
           OffsetText(offset.offsetSeconds) + ")";
}

}  // namespace places
