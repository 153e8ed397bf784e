#include "places/zone_setting.h"

#include <QLocale>
#include <cstdio>

#include "places/place_text.h"

namespace places {

std::string TimeText(const LocalMoment& moment) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", moment.hour, moment.minute);
    return text;
}

bool IsWarTime(const LocalMoment& moment) {
    const int month = moment.year * 12 + moment.month;
    return month >= 1939 * 12 + 9 && month <= 1945 * 12 + 12;
}

std::string PlaceClockLine(const PlaceClock& clock) {
    std::string line = clock.zone;
    line.append(" on ").append(DateText(clock.moment)).append(": ");
    const std::string offset = OffsetText(clock.offsetSeconds);
    switch (clock.kind) {
        case PlaceClock::Kind::kUnknownZone:
            return line.append("unknown to this computer");
        case PlaceClock::Kind::kNeverOccurred:
            return line.append(TimeText(clock.moment)).append(" never occurred");
        case PlaceClock::Kind::kCameTwice:
            return line.append("the time came twice; choose the zone by hand");
        case PlaceClock::Kind::kStandardTime:
            return line.append(offset);
        case PlaceClock::Kind::kDaylightSaving:
            return line.append(offset).append(", daylight saving");
        case PlaceClock::Kind::kWarTime:
            return line.append(offset).append(", war time");
        case PlaceClock::Kind::kNoZoneInList:
            return line.append(offset).append(", no zone in the list");
    }
    return line;
}

std::string DateText(const LocalMoment& moment) {
    return std::to_string(moment.day) + " " +
           QLocale::c().monthName(moment.month, QLocale::ShortFormat).toStdString() + " " +
           std::to_string(moment.year);
}

ZoneSetting SettleZone(const Place& place, const LocalMoment& moment, const LocalClock& clock,
                       int occurrence) {
    ZoneSetting setting;
    setting.clock.zone = place.timeZone;
    setting.clock.moment = moment;
    const auto tell = [&setting](PlaceClock::Kind kind) {
        setting.clock.kind = kind;
        setting.line = PlaceClockLine(setting.clock);
    };
    switch (clock.kind) {
        case LocalClock::Kind::kUnknownZone:
            tell(PlaceClock::Kind::kUnknownZone);
            setting.problem = "This computer's time-zone database does not know the zone " +
                              place.timeZone + " of " + PlaceLabel(place) +
                              ". Please choose the time zone and daylight saving by hand.";
            return setting;
        case LocalClock::Kind::kNever:
            tell(PlaceClock::Kind::kNeverOccurred);
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
    setting.clock.offsetSeconds = offset.offsetSeconds;
    setting.choice =
        reading::ChooseZoneRow(offset.offsetSeconds, offset.standardSeconds, place.timeZone);
    if (!setting.choice) {
        tell(PlaceClock::Kind::kNoZoneInList);
        setting.problem = "In " + PlaceLabel(place) + " on " + DateText(moment) +
                          " the clocks were " + OffsetText(offset.offsetSeconds) +
                          " from Greenwich, and no time zone in the list has that offset.";
    } else if (offset.daylightSeconds() <= 0) {
        tell(PlaceClock::Kind::kStandardTime);
    } else {
        tell(IsWarTime(moment) ? PlaceClock::Kind::kWarTime : PlaceClock::Kind::kDaylightSaving);
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
