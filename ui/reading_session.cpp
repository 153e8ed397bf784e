#include "ui/reading_session.h"

#include "ui/cast_zone.h"
#include "ui/chart_choices.h"

namespace ui {

ChartDisplayContent DisplayContentOf(const ReadingSession& session) {
    ChartDisplayContent content =
        FillDisplay(session.birth, session.reading, MonthNameForUser(session.birth.month));
    content.notes.push_back(
        CastZoneNote(session.zoneIndex, session.birth.isDaylightSaving, session.placeClock));
    content.notes.push_back(ChartSettingsLine(session.reading.settings).toStdString());
    return content;
}

}  // namespace ui
