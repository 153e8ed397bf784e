#include "ui/place_clock_texts.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include "places/place_text.h"
#include "ui/language.h"
#include "ui/qt_text.h"

namespace ui {

namespace {

QString Tr(const char* source) {
    return QCoreApplication::translate("PlaceClock", source);
}

bool InEnglish() {
    return CurrentLanguage() == Language::kEnglish;
}

// English keeps "15 Jun 1980" whatever the system's English locale would write.
QString DateOf(const places::LocalMoment& moment) {
    if (InEnglish()) {
        return QStringOf(places::DateText(moment));
    }
    return WithLanguageDigits(QLocale().toString(QDate(moment.year, moment.month, moment.day),
                                                 QStringLiteral("d MMM yyyy")));
}

QString TimeOf(const places::LocalMoment& moment) {
    return WithLanguageDigits(QStringOf(places::TimeText(moment)));
}

QString OffsetOf(int offsetSeconds) {
    return WithLanguageDigits(QStringOf(places::OffsetText(offsetSeconds)));
}

QString LabelOf(const places::Place& place) {
    return QStringOf(places::PlaceLabel(place));
}

QString WhatTheClockShowed(const places::PlaceClock& clock) {
    using Kind = places::PlaceClock::Kind;
    const QString offset = OffsetOf(clock.offsetSeconds);
    switch (clock.kind) {
        case Kind::kUnknownZone:
            return Tr(QT_TRANSLATE_NOOP("PlaceClock", "unknown to this computer"));
        case Kind::kNeverOccurred:
            return Tr(QT_TRANSLATE_NOOP("PlaceClock", "%1 never occurred"))
                .arg(TimeOf(clock.moment));
        case Kind::kCameTwice:
            return Tr(
                QT_TRANSLATE_NOOP("PlaceClock", "the time came twice; choose the zone by hand"));
        case Kind::kStandardTime:
            return offset;
        case Kind::kDaylightSaving:
            return Tr(QT_TRANSLATE_NOOP("PlaceClock", "%1, daylight saving")).arg(offset);
        case Kind::kWarTime:
            return Tr(QT_TRANSLATE_NOOP("PlaceClock", "%1, war time")).arg(offset);
        case Kind::kNoZoneInList:
            return Tr(QT_TRANSLATE_NOOP("PlaceClock", "%1, no zone in the list")).arg(offset);
    }
    return offset;
}

}  // namespace

QString PlaceClockText(const places::PlaceClock& clock) {
    //: %1 is the time zone ("Asia/Kolkata"), %2 the date of birth, %3 what its clocks showed.
    return Tr(QT_TRANSLATE_NOOP("PlaceClock", "%1 on %2: %3"))
        .arg(QStringOf(clock.zone), DateOf(clock.moment), WhatTheClockShowed(clock));
}

QString PlaceClockProblem(const places::Place& place, const places::PlaceClock& clock) {
    using Kind = places::PlaceClock::Kind;
    switch (clock.kind) {
        case Kind::kUnknownZone:
            //: %1 is the time zone ("Asia/Kolkata"), %2 the place.
            return Tr(QT_TRANSLATE_NOOP("PlaceClock",
                                        "This computer's time-zone database does not know the "
                                        "zone %1 of %2. Please choose the time zone and daylight "
                                        "saving by hand."))
                .arg(QStringOf(clock.zone), LabelOf(place));
        case Kind::kNeverOccurred:
            //: %1 is the time of birth, %2 the place, %3 the date.
            return Tr(QT_TRANSLATE_NOOP("PlaceClock",
                                        "The time %1 never occurred in %2 on %3: the clocks were "
                                        "turned forward that night. Please check the time of "
                                        "birth."))
                .arg(TimeOf(clock.moment), LabelOf(place), DateOf(clock.moment));
        case Kind::kNoZoneInList:
            //: %1 is the place, %2 the date, %3 the clocks' offset from Greenwich ("+5:45").
            return Tr(QT_TRANSLATE_NOOP("PlaceClock",
                                        "In %1 on %2 the clocks were %3 from Greenwich, and no "
                                        "time zone in the list has that offset."))
                .arg(LabelOf(place), DateOf(clock.moment), OffsetOf(clock.offsetSeconds));
        case Kind::kCameTwice:
        case Kind::kStandardTime:
        case Kind::kDaylightSaving:
        case Kind::kWarTime:
            break;
    }
    return {};
}

QString UnchosenZoneRefusal(const places::Place& place, const places::PlaceClock& clock) {
    return PlaceClockProblem(place, clock) + QLatin1Char(' ') +
           Tr(QT_TRANSLATE_NOOP("PlaceClock", "Please choose the time zone in the list by hand."));
}

QString RepeatedTimeQuestionText(const places::Place& place, const places::LocalMoment& moment) {
    //: %1 is the place, %2 the date, %3 the time of birth.
    return Tr(QT_TRANSLATE_NOOP("PlaceClock",
                                "The clocks of %1 were turned back on %2, so %3 came twice. "
                                "Which one was the time of birth?"))
        .arg(LabelOf(place), DateOf(moment), TimeOf(moment));
}

QString OccurrenceAnswerText(const places::LocalMoment& moment, const places::ClockOffset& offset) {
    //: %1 is the time of birth, %2 the clocks' offset from Greenwich ("-4:00").
    const char* answer = offset.daylightSeconds() > 0
                             ? QT_TRANSLATE_NOOP("PlaceClock", "%1 with daylight saving (%2)")
                             : QT_TRANSLATE_NOOP("PlaceClock", "%1 (%2)");
    return Tr(answer).arg(TimeOf(moment), OffsetOf(offset.offsetSeconds));
}

}  // namespace ui
