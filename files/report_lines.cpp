#include "files/report_lines.h"

#include <initializer_list>

#include "reading/birth_lines.h"

namespace files {

namespace {

std::string Joined(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (const std::string_view piece : pieces) {
        text += piece;
    }
    return text;
}

}  // namespace

std::array<std::string, kReportLineCount> ReportLines(const reading::BirthData& birth,
                                                      const reading::ChartReading& reading,
                                                      std::string_view monthName) {
    // The blank lines hold a lone CR, and the two place lines end in a blank: readers of older
    // reports expect exactly this layout.
    const std::string kLoneCarriageReturn = "\r";
    std::array<std::string, kReportLineCount> lines;
    int next = 0;
    lines[next++] = reading::NameLine(birth);
    lines[next++] = reading::DateOfBirthLine(birth, monthName);
    lines[next++] = reading::TimeOfBirthLine(birth);
    lines[next++] = reading::LatitudeLine(birth) + " ";
    lines[next++] = reading::LongitudeLine(birth) + " ";
    lines[next++] = reading::CityLine(birth);
    lines[next++] = reading::StateLine(birth);
    lines[next++] = reading::CountryLine(birth);
    lines[next++] = kLoneCarriageReturn;
    lines[next++] = "Planetary Position";
    for (int body = 0; body < reading::kChartBodyCount; ++body) {
        lines[next++] = Joined({reading.planetNames[body], " ", reading.planetPositions[body]});
    }
    lines[next++] = kLoneCarriageReturn;
    lines[next++] = Joined({"Ayanamsa: ", reading.ayanamsaText});
    lines[next++] = Joined({"Lagna / Asc: ", reading.lagnaName});
    lines[next++] = Joined({"Nakshatra: ", reading.nakshatra});
    lines[next++] = Joined({"Rashi / Moon Sign: ", reading.rashi});
    lines[next++] = Joined({"Pada: ", reading.pada});
    lines[next++] = Joined({"Lord: ", reading.nakshatraLord});
    return lines;
}

}  // namespace files
