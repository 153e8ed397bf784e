#include "ui/chart/chart_display_content.h"

#include <QCoreApplication>
#include <QLocale>

#include "ui/chart/chart_words.h"
#include "ui/language.h"
#include "ui/qt_text.h"

namespace ui {

namespace {

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

QString Number(int value) {
    return WithLanguageDigits(QString::number(value));
}

// A box's entries, each translated.
std::string BoxTextWords(const std::string& boxText) {
    QStringList entries;
    for (const std::string& entry : BoxEntries(boxText)) {
        entries << BoxEntryWord(entry);
    }
    return Utf8(entries.join(QStringOf(kBoxLineBreak)));
}

BoxTexts BoxTextsWords(const BoxTexts& boxes) {
    BoxTexts shown;
    for (int box = 0; box < kBoxCount; ++box) {
        shown[box] = BoxTextWords(boxes[box]);
    }
    return shown;
}

// The birth lines in the language spoken: in English exactly as the report writes them.
std::array<std::string, kBirthLineCount> BirthLines(const reading::BirthData& birth,
                                                    std::string_view monthName) {
    const auto line = [](const char* source, const QString& value) {
        return Utf8(QCoreApplication::translate("BirthLines", source).arg(value));
    };
    const auto degreeLine = [](const char* source, int degrees, int minutes) {
        return Utf8(QCoreApplication::translate("BirthLines", source)
                        .arg(Number(degrees), Number(minutes)));
    };
    return {
        line(QT_TRANSLATE_NOOP("BirthLines", "Name: %1"), QStringOf(birth.name)),
        line(QT_TRANSLATE_NOOP("BirthLines", "City: %1"), QStringOf(birth.city)),
        line(QT_TRANSLATE_NOOP("BirthLines", "State: %1"), QStringOf(birth.state)),
        line(QT_TRANSLATE_NOOP("BirthLines", "Country: %1"), QStringOf(birth.country)),
        //: %1 is the month's name, %2 the day, %3 the year.
        Utf8(QCoreApplication::translate("BirthLines", "Date of Birth: %1 %2, %3")
                 .arg(QStringOf(monthName), Number(birth.day), Number(birth.year))),
        degreeLine(QT_TRANSLATE_NOOP("BirthLines", "Time of Birth: %1 Hour %2 Minute"), birth.hour,
                   birth.minute),
        degreeLine(QT_TRANSLATE_NOOP("BirthLines", "Latitude: %1 Degree %2 Minute"),
                   birth.latitudeDegrees, birth.latitudeMinutes),
        degreeLine(QT_TRANSLATE_NOOP("BirthLines", "Longitude: %1 Degree %2 Minute"),
                   birth.longitudeDegrees, birth.longitudeMinutes),
    };
}

}  // namespace

QString ChartCaption(ChartKind chart) {
    switch (chart) {
        case ChartKind::kRashi:
            return QCoreApplication::translate("ChartWords", "Rashi Chart");
        case ChartKind::kNavamsa:
            return QCoreApplication::translate("ChartWords", "Navamsa Chart");
    }
    const reading::VargaChart& varga = reading::kVargaCharts[VargaOf(chart)];
    return QCoreApplication::translate("ChartWords", std::string(varga.name).c_str()) +
           QStringLiteral(" (") + QStringOf(varga.key) + QLatin1Char(')');
}

ChartDisplayContent FillDisplay(const reading::BirthData& birth,
                                const reading::ChartReading& reading, std::string_view monthName) {
    ChartDisplayContent content;
    content.detailValues = {Utf8(WithLanguageDigits(QStringOf(reading.ayanamsaText.str()))),
                            Utf8(ChartWord(reading.lagnaName)),
                            Utf8(ChartWord(reading.nakshatra)),
                            Utf8(ChartWord(reading.rashi)),
                            Utf8(WithLanguageDigits(QStringOf(reading.pada))),
                            Utf8(ChartWord(reading.nakshatraLord))};
    for (int body = 0; body < reading::kChartBodyCount; ++body) {
        content.planetPositions[body] = Utf8(PositionWords(reading.planetPositions[body].str()));
    }
    // The Rashi chart from the short texts, as it always was; the divisional charts from the
    // signs the reading worked out for them.
    content.boxTextsOf(ChartKind::kRashi) = BoxTextsWords(
        PlaceInBoxes(reading.lagnaSign, reading.planetLabels, reading.planetPositions));
    content.lagnaSigns[reading::kRashiVarga] = SignOfAbbreviation(reading.lagnaSign);
    for (int varga = 0; varga < reading::kVargaCount; ++varga) {
        if (varga != reading::kRashiVarga) {
            content.chartBoxTexts[varga] =
                BoxTextsWords(PlaceVargaInBoxes(reading.vargas[varga], reading.planetLabels));
            content.lagnaSigns[varga] = reading.vargas[varga][reading::kAscendant];
        }
    }
    content.birthLines = BirthLines(birth, monthName);
    return content;
}

std::string MonthNameForUser(int month) {
    return QLocale().monthName(month, QLocale::LongFormat).toStdString();
}

}  // namespace ui
