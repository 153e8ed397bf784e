#include "ui/cast_zone.h"

#include "places/place_text.h"
#include "reading/time_zones.h"
#include "reading/zone_choice.h"

namespace ui {

namespace {

constexpr int kDaylightSeconds = 3600;  // the box moves the clock one hour forward

}  // namespace

std::string RowClockText(int row, bool daylightSaving) {
    const std::string clock = places::OffsetText(reading::RowOffsetSeconds(row) +
                                                 (daylightSaving ? kDaylightSeconds : 0));
    return daylightSaving ? clock + " with daylight saving" : clock;
}

std::string ChosenZoneLine(int row, bool daylightSaving) {
    return "Chosen zone: " + RowClockText(row, daylightSaving);
}

std::string CastZoneNote(int row, bool daylightSaving, std::string_view placeClock) {
    const std::string_view list = reading::TimeZoneTable.at(static_cast<std::size_t>(row)).listText;
    std::string note =
        "Time zone: " + std::string(list) + " (" + RowClockText(row, daylightSaving) + ")";
    if (!placeClock.empty()) {
        note += " \u00B7 ";
        note += placeClock;
    }
    return note;
}

}  // namespace ui
