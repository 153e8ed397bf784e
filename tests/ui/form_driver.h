#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "fake_dialogs.h"
#include "reading/form_values.h"
#include "ui/chart_display.h"
#include "ui/chart_window.h"
#include "ui/input_form.h"
#include "ui/rashi_program.h"

// The 1980 Delhi birth: 15 June 1980, 10:30 Indian time, 28°37' N, 77°13' E.
inline reading::FormValues DelhiBirth() {
    reading::FormValues form;
    form.name = "Asha Rao";
    form.dayIndex = 14;
    form.monthIndex = 5;
    form.yearIndex = 1980 - reading::kFirstYear;
    form.hourIndex = 10;
    form.minuteIndex = 30;
    form.zoneIndex = 34;
    form.latitudeDegrees = "28";
    form.latitudeMinutes = "37";
    form.north = true;
    form.longitudeDegrees = "77";
    form.longitudeMinutes = "13";
    form.east = true;
    form.city = "Delhi";
    form.state = "Delhi";
    form.country = "India";
    return form;
}

// A running program with scripted dialogs, and handles on the form's controls.
class ProgramDriver {
  public:
    ProgramDriver() : program(std::make_unique<ui::RashiProgram>(dialogs)) {
        QObject::connect(program.get(), &ui::RashiProgram::finished, [this] { ++finishedCount; });
        program->start();
        form().activateWindow();
        windowActive = QTest::qWaitForWindowActive(&form());
    }
    ~ProgramDriver() {
        program.reset();
        // Windows closed with "delete on close" go at the next turn of the event loop.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ui::InputForm& form() const { return program->form(); }
    ui::ChartWindow* chart() const { return program->chartWindow(); }

    template <typename Widget = QWidget>
    Widget* formChild(const char* name) const {
        return form().findChild<Widget*>(QString::fromLatin1(name));
    }
    QLineEdit* field(const char* name) const { return formChild<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return formChild<QComboBox>(name); }
    QRadioButton* option(const char* name) const { return formChild<QRadioButton>(name); }

    void enter(const reading::FormValues& values) { form().setValues(values); }

    void clickCalculate() {
        QTest::mouseClick(formChild<QAbstractButton>("cmdCalculate"), Qt::LeftButton);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    bool chartShown() const { return chart() != nullptr && chart()->isVisible(); }

    const ui::ChartDisplayContent& shownContent() const { return chart()->display()->content(); }

    QString lastMessage() const {
        return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
    }

    FakeDialogs dialogs;
    std::unique_ptr<ui::RashiProgram> program;
    int finishedCount = 0;
    bool windowActive = false;
};
