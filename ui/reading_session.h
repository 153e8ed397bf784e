#pragma once

#include <QString>
#include <optional>
#include <string>

#include "places/zone_setting.h"
#include "reading/birth_data.h"
#include "reading/chart_reading.h"
#include "reading/chart_settings.h"
#include "ui/chart/chart_display_content.h"

namespace ui {

// What the program keeps for the whole run: the records of the last calculation that passed,
// and the file name last chosen for saving a reading or exporting a report.
struct ReadingSession {
    reading::BirthData birth;
    reading::ChartReading reading;
    // The time zone list's position at the calculation. The form is hidden while a chart window
    // is open, so this is also its position whenever a chart window saves.
    int zoneIndex = 0;
    // What the place's clock was at the birth, when the zone followed a place from the atlas:
    // "Asia/Kolkata on 15 Jun 1980: +5:30". Nothing for a zone chosen by hand.
    std::optional<places::PlaceClock> placeClock;
    QString lastFileName;
    // How charts are calculated: the user's choice, remembered between runs. It may hold an
    // ayanamsa and node for the precise ephemeris while the mean elements are chosen.
    reading::ChartSettings chartSettings;
};

// Everything the chart display shows for the session's reading, in the language spoken: the
// reading's texts and the notes under the chart of how it was cast.
ChartDisplayContent DisplayContentOf(const ReadingSession& session);

}  // namespace ui
