#include "ui/cast_zone.h"

#include <QCoreApplication>

#include "places/place_text.h"
#include "reading/time_zones.h"
#include "reading/zone_choice.h"
#include "ui/language.h"
#include "ui/place_clock_texts.h"
#include "ui/qt_text.h"

namespace ui {

namespace {

constexpr int kDaylightSeconds = 3600;  // the box moves the clock one hour forward

// The texts are shown in the language spoken, with its digits.
std::string Tr(const char* source, const std::string& value) {
    return WithLanguageDigits(
               QCoreApplication::translate("CastZone", source).arg(QString::fromStdString(value)))
        .toUtf8()
        .toStdString();
}

}  // namespace

std::string RowClockText(int row, bool daylightSaving) {
    const std::string clock = places::OffsetText(reading::RowOffsetSeconds(row) +
                                                 (daylightSaving ? kDaylightSeconds : 0));
    return daylightSaving ? Tr(QT_TRANSLATE_NOOP("CastZone", "%1 with daylight saving"), clock)
                          : Tr("%1", clock);
}

std::string ChosenZoneLine(int row, bool daylightSaving) {
    return Tr(QT_TRANSLATE_NOOP("CastZone", "Chosen zone: %1"), RowClockText(row, daylightSaving));
}

QString ZoneRowText(int row) {
    // The rows' translations are kept by hand beside the others (translations/by_hand/), keyed
    // by the list's English text, which stays in one table.
    const std::string_view list = reading::TimeZoneTable.at(static_cast<std::size_t>(row)).listText;
    return WithLanguageDigits(
        QCoreApplication::translate("TimeZoneList", std::string(list).c_str()));
}

std::string CastZoneNote(int row, bool daylightSaving,
                         const std::optional<places::PlaceClock>& placeClock) {
    std::string note = Tr(QT_TRANSLATE_NOOP("CastZone", "Time zone: %1"),
                          ZoneRowText(row).toUtf8().toStdString()) +
                       " (" + RowClockText(row, daylightSaving) + ")";
    if (placeClock) {
        note += " \u00B7 ";
        note += PlaceClockText(*placeClock).toUtf8().toStdString();
    }
    return note;
}

}  // namespace ui
