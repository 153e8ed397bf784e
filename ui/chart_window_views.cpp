// The chart window's View commands: which chart the display shows, and the dasha window.
#include <QActionGroup>
#include <QDate>

#include "reading/driver.h"
#include "reading/vargas.h"
#include "reading/vimshottari_dasha.h"
#include "ui/chart_choices.h"
#include "ui/chart_display.h"
#include "ui/chart_style_choice.h"
#include "ui/chart_window.h"
#include "ui/dasha_window.h"
#include "ui/positions_menu.h"
#include "ui/qt_text.h"
#include "ui/reading_session.h"
#include "ui/translated_texts.h"
#include "ui/user_dialogs.h"
#include "ui/varga_window.h"

namespace ui {

void ChartWindow::createChartActions() {
    // The sixteen charts are one choice, and so are the three styles: one entry of each checked.
    auto* charts = new QActionGroup(this);
    for (int varga = 0; varga < reading::kVargaCount; ++varga) {
        QAction* action = varga == reading::kRashiVarga     ? mnuRashiChart
                          : varga == reading::kNavamsaVarga ? mnuNavamsaChart
                                                            : new QAction(this);
        if (action->objectName().isEmpty()) {
            action->setObjectName(QStringLiteral("mnuChart") +
                                  QStringOf(reading::kVargaCharts[varga].key));
        }
        action->setCheckable(true);
        charts->addAction(action);
        connect(action, &QAction::triggered, this, [this, varga] { showChart(VargaChart(varga)); });
        chartActions_.push_back(action);
    }
    mnuRashiChart->setChecked(true);

    auto* styles = new QActionGroup(this);
    for (const ChartStyleName& row : kChartStyles) {
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("mnuStyle") + QStringOf(row.key));
        SetTranslatedText(action, "text", "ChartWords", row.name);
        action->setCheckable(true);
        styles->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, style = row.style] { chooseChartStyle(style); });
        styleActions_.push_back(action);
    }
    connect(mnuVargas, &QAction::triggered, this, &ChartWindow::openVargaWindow);
    nameChartActions();
}

void ChartWindow::nameChartActions() {
    // The Rashi and Navamsa entries keep their own captions with their access keys.
    for (int varga = 0; varga < reading::kVargaCount; ++varga) {
        if (varga != reading::kRashiVarga && varga != reading::kNavamsaVarga) {
            chartActions_[varga]->setText(ChartCaption(VargaChart(varga)));
        }
    }
}

void ChartWindow::showChart(ChartKind chart) {
    display_->setChart(chart);
    chartActions_[VargaOf(chart)]->setChecked(true);
    tbNavamsa->setChecked(chart == ChartKind::kNavamsa);
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
    // The table holds the signs of the reading it was opened for.
    if (vargaWindow_) {
        vargaWindow_->close();
    }
}

void ChartWindow::showChartStyle(ChartStyle style) {
    display_->setChartStyle(style);
    styleActions_[static_cast<int>(style)]->setChecked(true);
    nameHeading(style);
    captureChartPicture();
}

void ChartWindow::chooseChartStyle(ChartStyle style) {
    showChartStyle(style);
    RememberChartStyle(style);
}

void ChartWindow::openVargaWindow() {
    if (!vargaWindow_) {
        vargaWindow_ = new VargaWindow(session_.reading,
                                       QString::fromStdString(session_.birth.name), dialogs_, this);
    }
    vargaWindow_->show();
    vargaWindow_->raise();
    vargaWindow_->activateWindow();
}

VargaWindow* ChartWindow::vargaWindow() const {
    return vargaWindow_;
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
