#include "ui/rashi_program.h"

#include "reading/driver.h"
#include "ui/chart_choices.h"
#include "ui/chart_window.h"
#include "ui/input_form.h"
#include "ui/toolbar_icons.h"
#include "ui/user_dialogs.h"

namespace ui {

RashiProgram::RashiProgram(UserDialogs& dialogs, QObject* parent)
    : QObject(parent), dialogs_(dialogs), form_(std::make_unique<InputForm>(dialogs)) {
    session_.chartSettings = LoadChartSettings();
    form_->setWindowIcon(ProgramIcon());
    connect(form_.get(), &InputForm::calculateRequested, this, &RashiProgram::calculate);
    connect(form_.get(), &InputForm::closed, this, &RashiProgram::exitProgram);
}

RashiProgram::~RashiProgram() {
    if (chart_) {
        // Deleted here, not closed: closing would ask the program, now ending, to exit again.
        delete chart_.data();
    }
}

void RashiProgram::start() {
    form_->show();
}

ChartWindow* RashiProgram::chartWindow() const {
    return chart_;
}

void RashiProgram::bringToFront() {
    QWidget* window = chart_ ? static_cast<QWidget*>(chart_.data()) : form_.get();
    if (window->isMinimized()) {
        window->showNormal();
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void RashiProgram::calculate() {
    if (form_->refuseUnchosenZone()) {
        return;
    }
    const reading::FormValues values = form_->values();
    if (const auto refusal = reading::RunCalculation(values, session_.birth, session_.reading,
                                                     session_.chartSettings)) {
        form_->applyRefusal(*refusal);
        return;
    }
    session_.zoneIndex = values.zoneIndex;
    session_.placeClock = form_->placeClock();
    showChart();
}

void RashiProgram::showChart() {
    if (chart_) {
        delete chart_.data();
    }
    chart_ = new ChartWindow(DisplayContentOf(session_), session_, dialogs_);
    connect(chart_, &ChartWindow::formRequested, this, &RashiProgram::showForm);
    connect(chart_, &ChartWindow::exitRequested, this, &RashiProgram::exitProgram);
    chart_->show();
    chart_->activateWindow();
    form_->hide();
}

void RashiProgram::showForm() {
    form_->show();
    form_->activateWindow();
}

void RashiProgram::exitProgram() {
    if (finished_) {
        return;
    }
    finished_ = true;
    if (chart_) {
        chart_->close();
    }
    form_->close();
    emit finished();
}

}  // namespace ui
