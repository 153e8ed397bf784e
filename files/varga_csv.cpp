#include "files/varga_csv.h"

#include "reading/sign_tables.h"
#include "reading/vargas.h"

namespace files {

std::string VargaCsv(const reading::ChartReading& reading) {
    // Body names, chart keys and sign abbreviations hold no commas or quotes: no field is quoted.
    std::string csv = "body";
    for (const reading::VargaChart& chart : reading::kVargaCharts) {
        csv.append(",").append(chart.key);
    }
    csv.append("\r\n");
    for (int body = 0; body < reading::kNavamsaBodyCount; ++body) {
        csv.append(reading.planetNames[body]);
        for (int varga = 0; varga < reading::kVargaCount; ++varga) {
            csv.append(",").append(reading::SignAbbreviationTable[reading.vargas[varga][body]]);
        }
        csv.append("\r\n");
    }
    return csv;
}

}  // namespace files
