// The chart window's View commands: which chart the display shows, and the dasha window.
#include <QDate>

#include "reading/driver.h"
#include "reading/vimshottari_dasha.h"
#include "ui/chart_choices.h"
#include "ui/chart_display.h"
#include "ui/chart_window.h"
#include "ui/dasha_window.h"
#include "ui/positions_menu.h"
#include "ui/qt_text.h"
#include "ui/reading_session.h"
#include "ui/user_dialogs.h"

namespace ui {

void ChartWindow::showChart(ChartKind chart) {
    display_->setChart(chart);
    const bool navamsa = chart == ChartKind::kNavamsa;
    mnuRashiChart->setChecked(!navamsa);
    mnuNavamsaChart->setChecked(navamsa);
    tbNavamsa->setChecked(navamsa);
    // The picture that Save As JPEG writes is of the chart shown.
    captureChartPicture();
}

void ChartWindow::recalculate(const reading::ChartSettings& settings) {
    session_.chartSettings = settings;
    StoreChartSettings(settings);
    mnuPositions->setSettings(settings);
    session_.reading = reading::CalculateReading(session_.birth, settings);
    display_->setContent(DisplayContentOf(session_));
    captureChartPicture();
    if (dashaWindow_) {
        if (const auto dasha = reading::ComputeVimshottariDasha(session_.birth, session_.reading)) {
            dashaWindow_->setDasha(*dasha);
        } else {
            dashaWindow_->close();
        }
    }
}

void ChartWindow::openDashaWindow() {
    if (!dashaWindow_) {
        const auto dasha = reading::ComputeVimshottariDasha(session_.birth, session_.reading);
        if (!dasha) {
            dialogs_.showMessage(this,
                                 tr("The dasha cannot be counted: the Moon's position "
                                    "\"%1\" cannot be read.")
                                     .arg(QStringOf(session_.reading.moonPositionText)),
                                 MessageKind::kError);
            return;
        }
        dashaWindow_ = new DashaWindow(*dasha, QString::fromStdString(session_.birth.name),
                                       QDate::currentDate(), dialogs_, this);
    }
    dashaWindow_->show();
    dashaWindow_->raise();
    dashaWindow_->activateWindow();
}

DashaWindow* ChartWindow::dashaWindow() const {
    return dashaWindow_;
}

}  // namespace ui
