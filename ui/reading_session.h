#pragma once

#include <QString>

#include "reading/birth_data.h"
#include "reading/chart_reading.h"

namespace ui {

// What the program keeps for the whole run: the records of the last calculation that passed,
// and the file name last chosen for saving a reading or exporting a report.
struct ReadingSession {
    reading::BirthData birth;
    reading::ChartReading reading;
    // The time zone list's position at the calculation. The form is hidden while a chart window
    // is open, so this is also its position whenever a chart window saves.
    int zoneIndex = 0;
    QString lastFileName;
};

}  // namespace ui
