#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "ui/reading_session.h"

namespace ui {

class ChartWindow;
class InputForm;
class UserDialogs;

// The running program: the input form for the whole run, a chart window after each calculation
// that passes, and the records they share. It ends when the form closes or the chart window
// asks to exit.
class RashiProgram : public QObject {
    Q_OBJECT

  public:
    explicit RashiProgram(UserDialogs& dialogs, QObject* parent = nullptr);
    ~RashiProgram() override;

    // Shows the input form.
    void start();

    InputForm& form() const { return *form_; }
    // The open chart window, or none.
    ChartWindow* chartWindow() const;
    const ReadingSession& session() const { return session_; }

    // Brings the window the user works in (the chart window when one is open, else the form) to
    // the front, as a second start of the program asks.
    void bringToFront();

    // Runs the calculation on the form's entries: a refusal is shown on the form and changes
    // nothing; otherwise the chart window comes up and the form hides.
    void calculate();

  signals:
    // Every window has closed; the program should end.
    void finished();

  private:
    void showChart();
    void showForm();
    void exitProgram();

    UserDialogs& dialogs_;
    ReadingSession session_;
    std::unique_ptr<InputForm> form_;
    QPointer<ChartWindow> chart_;
    bool finished_ = false;
};

}  // namespace ui
