#include "files/dasha_csv.h"

#include "reading/iso_dates.h"

namespace files {

namespace {

void AppendRow(std::string& csv, std::string_view mahadasha, std::string_view antardasha,
               const reading::DashaPeriod& period) {
    // Lord names hold no commas or quotes, so no field needs quoting.
    csv.append(mahadasha).append(",").append(antardasha).append(",");
    csv.append(reading::IsoDate(reading::DateOfMoment(period.start))).append(",");
    csv.append(reading::IsoDate(reading::DateOfMoment(period.end))).append("\r\n");
}

}  // namespace

std::string DashaCsv(const reading::VimshottariDasha& dasha) {
    std::string csv = "mahadasha,antardasha,start,end\r\n";
    for (const reading::Mahadasha& mahadasha : dasha.mahadashas) {
        AppendRow(csv, mahadasha.period.lord, {}, mahadasha.period);
        for (const reading::DashaPeriod& antardasha : mahadasha.antardashas) {
            AppendRow(csv, mahadasha.period.lord, antardasha.lord, antardasha);
        }
    }
    return csv;
}

}  // namespace files
