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
#include "reading/sample_birth.h"
#include "ui/chart_display.h"
#include "ui/chart_window.h"
#include "ui/input_form.h"
#include "ui/rashi_program.h"

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
