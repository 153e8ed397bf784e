#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

class QDialog;
class QPrinter;
class QUrl;
class QWidget;

namespace ui {

enum class MessageKind { kError, kInformation };

// What a file dialog asks for. The filter is in Qt's form, "Name (*.ext)"; the default suffix is
// added to a name typed without one.
struct FileRequest {
    QString title;
    QString filter;
    QString defaultSuffix;
    QString initialName;
    bool confirmReplace = true;  // saving only: ask before replacing an existing file
};

// Everything that waits for the user or leaves the program: message boxes, file dialogs, the
// print dialog, modal windows and web pages. The program shows them with Qt; tests answer them.
class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    // A modal message with an OK button; an empty title gives the program's own caption.
    virtual void showMessage(QWidget* parent, const QString& text, MessageKind kind,
                             const QString& title = {}) = 0;

    // A warning with the warning icon that asks whether to go on: true when the user chose the
    // button labelled proceed, false for Cancel (also the default, so Enter loses nothing).
    virtual bool askToProceed(QWidget* parent, const QString& text, const QString& proceed) = 0;

    // The chosen file's path, or an empty text when the user cancelled.
    virtual QString askSaveFileName(QWidget* parent, const FileRequest& request) = 0;
    virtual QString askOpenFileName(QWidget* parent, const FileRequest& request) = 0;

    // A modal question with Yes and No buttons, Yes the default; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& title = {}) = 0;

    // The printers set up on the system; empty when there is none.
    virtual QStringList printerNames() = 0;

    // Shows the print dialog for printer; true when the user confirmed it.
    virtual bool runPrintDialog(QWidget* parent, QPrinter& printer) = 0;

    // Runs a modal window, such as the About box, until it closes; gives its result code.
    virtual int runModal(QDialog& dialog) = 0;

    // Opens a web page in the user's browser; false when nothing opened it.
    virtual bool openWebPage(const QUrl& address) = 0;

    // Opens a web page; when no browser opens it, says so over parent with the address, so that
    // the user can open it another way.
    void openLink(QWidget* parent, const QUrl& address);

    // Opens the vendor's page for a page key ("help-web-page", "home-page", ...): every menu
    // entry, label, logo and button that leads to the vendor's site comes here.
    void openVendorPage(QWidget* parent, std::string_view pageKey);

    // Shows the About box over parent until OK closes it; its links open through openWebPage.
    void showAboutBox(QWidget* parent);
};

// What openLink says when no browser opened address.
QString NoBrowserMessage(const QUrl& address);

// The real dialogs.
class QtUserDialogs final : public UserDialogs {
  public:
    void showMessage(QWidget* parent, const QString& text, MessageKind kind,
                     const QString& title = {}) override;
    bool askToProceed(QWidget* parent, const QString& text, const QString& proceed) override;
    QString askSaveFileName(QWidget* parent, const FileRequest& request) override;
    QString askOpenFileName(QWidget* parent, const FileRequest& request) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& title = {}) override;
    QStringList printerNames() override;
    bool runPrintDialog(QWidget* parent, QPrinter& printer) override;
    int runModal(QDialog& dialog) override;
    bool openWebPage(const QUrl& address) override;
};

}  // namespace ui
