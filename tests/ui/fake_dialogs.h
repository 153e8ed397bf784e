#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>
#include <deque>
#include <functional>
#include <ostream>
#include <vector>

#include "ui/user_dialogs.h"

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << text.toStdString();
}

// Answers the program's questions in tests and remembers every question and message.
class FakeDialogs final : public ui::UserDialogs {
  public:
    struct Message {
        QString text;
        ui::MessageKind kind;
        QString title;
    };
    struct Warning {
        QString text;
        QString proceed;  // the label of the button that goes on
    };

    void showMessage(QWidget*, const QString& text, ui::MessageKind kind,
                     const QString& title) override {
        messages.push_back({text, kind, title});
    }
    bool askToProceed(QWidget*, const QString& text, const QString& proceed) override {
        warnings.push_back({text, proceed});
        if (proceedAnswers.empty()) {
            return false;
        }
        const bool answer = proceedAnswers.front();
        proceedAnswers.pop_front();
        return answer;
    }
    QString askSaveFileName(QWidget*, const ui::FileRequest& request) override {
        return answer(request, saveAnswers);
    }
    QString askOpenFileName(QWidget*, const ui::FileRequest& request) override {
        return answer(request, openAnswers);
    }
    bool askYesNo(QWidget*, const QString& text, const QString&) override {
        questions.push_back(text);
        if (yesNoAnswers.empty()) {
            return false;
        }
        const bool yes = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return yes;
    }
    QStringList printerNames() override { return printers; }
    bool runPrintDialog(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        return printAnswer ? printAnswer(printer) : false;
    }
    int runModal(QDialog& dialog) override {
        modalWindows.push_back(dialog.objectName());
        return modalAnswer ? modalAnswer(dialog) : QDialog::Rejected;
    }
    bool openWebPage(const QUrl& address) override {
        pages.push_back(address);
        return browserAvailable;
    }

    QStringList texts() const {
        QStringList shown;
        for (const auto& message : messages) {
            shown << message.text;
        }
        return shown;
    }

    // Whether the next warnings are answered by going on; none left cancels.
    std::deque<bool> proceedAnswers;
    // The file names the next file dialogs give, in turn; none left (or an empty one) cancels.
    std::deque<QString> saveAnswers;
    std::deque<QString> openAnswers;
    // The answers to the next yes-or-no questions, in turn; none left answers No.
    std::deque<bool> yesNoAnswers;
    // The printers the system offers.
    QStringList printers{QStringLiteral("Office Laser")};
    // What the print dialog does with the printer and whether it is confirmed; none cancels.
    std::function<bool(QPrinter&)> printAnswer;
    // Whether a web browser opens the pages asked for.
    bool browserAvailable = true;
    // Runs a modal window; none closes it at once, as if cancelled.
    std::function<int(QDialog&)> modalAnswer;

    std::vector<Message> messages;
    std::vector<Warning> warnings;
    std::vector<QString> questions;
    std::vector<ui::FileRequest> fileRequests;
    std::vector<QString> modalWindows;
    std::vector<QUrl> pages;
    int printDialogs = 0;

  private:
    QString answer(const ui::FileRequest& request, std::deque<QString>& answers) {
        fileRequests.push_back(request);
        if (answers.empty()) {
            return {};
        }
        QString name = answers.front();
        answers.pop_front();
        return name;
    }
};
