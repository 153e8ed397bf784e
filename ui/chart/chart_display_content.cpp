#include "ui/chart/chart_display_content.h"

#include <QLocale>

#include "reading/birth_lines.h"

namespace ui {

const char* ChartCaption(ChartKind chart) {
    return chart == ChartKind::kNavamsa ? "Navamsa Chart" : "Rashi Chart";
}

ChartDisplayContent FillDisplay(const reading::BirthData& birth,
                                const reading::ChartReading& reading, std::string_view monthName) {
    ChartDisplayContent content;
    content.detailValues = {reading.ayanamsaText.str(),     std::string(reading.lagnaName),
                            std::string(reading.nakshatra), std::string(reading.rashi),
                            std::string(reading.pada),      std::string(reading.nakshatraLord)};
    for (int body = 0; body < reading::kChartBodyCount; ++body) {
        content.planetPositions[body] = reading.planetPositions[body].str();
    }
    content.boxTexts =
        PlaceInBoxes(reading.lagnaSign, reading.planetLabels, reading.planetPositions);
    content.navamsaBoxTexts = PlaceNavamsaInBoxes(reading.navamsa, reading.planetLabels);
    content.birthLines = {reading::NameLine(birth),
                          reading::CityLine(birth),
                          reading::StateLine(birth),
                          reading::CountryLine(birth),
                          reading::DateOfBirthLine(birth, monthName),
                          reading::TimeOfBirthLine(birth),
                          reading::LatitudeLine(birth),
                          reading::LongitudeLine(birth)};
    return content;
}

std::string MonthNameForUser(int month) {
    return QLocale().monthName(month, QLocale::LongFormat).toStdString();
}

}  // namespace ui
