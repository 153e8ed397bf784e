#pragma once

#include <QString>
#include <QUrl>
#include <ostream>
#include <vector>

#include "ui/user_dialogs.h"

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Answers the program's questions in tests and remembers every message it was shown.
class FakeDialogs final : public ui::UserDialogs {
  public:
    struct Message {
        QString text;
        ui::MessageKind kind;
        QString title;
    };

    void showMessage(QWidget*, const QString& text, ui::MessageKind kind,
                     const QString& title) override {
        messages.push_back({text, kind, title});
    }
    QString askSaveFileName(QWidget*, const ui::FileRequest&) override { return {}; }
    QString askOpenFileName(QWidget*, const ui::FileRequest&) override { return {}; }
    bool runPrintDialog(QWidget*, QPrinter&) override { return false; }
    int runModal(QDialog&) override { return 0; }
    bool openWebPage(const QUrl& address) override {
        pages.push_back(address);
        return true;
    }

    QStringList texts() const {
        QStringList shown;
        for (const auto& message : messages) {
            shown << message.text;
        }
        return shown;
    }

    std::vector<Message> messages;
    std::vector<QUrl> pages;
};
