#include "ui/user_dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QUrl>

#include "files/printing.h"
#include "links/about_box.h"
#include "links/vendor_pages.h"
#include "ui/program_texts.h"

namespace ui {

namespace {

void SetUp(QFileDialog& dialog, const FileRequest& request) {
    // Without a title of its own, the dialog names what it does ("Save As").
    if (!request.title.isEmpty()) {
        dialog.setWindowTitle(request.title);
    }
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialName.isEmpty()) {
        dialog.selectFile(request.initialName);
    }
}

QString ChosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString NoBrowserMessage(const QUrl& address) {
    return QCoreApplication::translate("UserDialogs",
                                       "No web browser could be opened for this page. Please "
                                       "open it in a web browser yourself:\n\n%1")
        .arg(address.toDisplayString());
}

void UserDialogs::openLink(QWidget* parent, const QUrl& address) {
    if (!openWebPage(address)) {
        showMessage(parent, NoBrowserMessage(address), MessageKind::kInformation);
    }
}

void UserDialogs::openVendorPage(QWidget* parent, std::string_view pageKey) {
    openLink(parent, links::VendorPageUrl(pageKey));
}

void UserDialogs::showAboutBox(QWidget* parent) {
    // The box's own links speak over the box.
    QWidget* linkParent = parent;
    links::frmAbout box(
        parent, [this, &linkParent](const QUrl& address) { openLink(linkParent, address); });
    linkParent = &box;
    runModal(box);
}

void QtUserDialogs::showMessage(QWidget* parent, const QString& text, MessageKind kind,
                                const QString& title) {
    QMessageBox box(kind == MessageKind::kError ? QMessageBox::Critical : QMessageBox::Information,
                    title.isEmpty() ? QString::fromLatin1(kProgramTitle) : title, text,
                    QMessageBox::Ok, parent);
    box.exec();
}

bool QtUserDialogs::askToProceed(QWidget* parent, const QString& text, const QString& proceed) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kProgramTitle), text,
                    QMessageBox::Cancel, parent);
    const QPushButton* proceedButton = box.addButton(proceed, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == proceedButton;
}

QString QtUserDialogs::askSaveFileName(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent);
    SetUp(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmReplace);
    return ChosenFile(dialog);
}

QString QtUserDialogs::askOpenFileName(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent);
    SetUp(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return ChosenFile(dialog);
}

bool QtUserDialogs::askYesNo(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question,
                    title.isEmpty() ? QString::fromLatin1(kProgramTitle) : title, text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QStringList QtUserDialogs::printerNames() {
    return QPrinterInfo::availablePrinterNames();
}

bool QtUserDialogs::runPrintDialog(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    files::ConfigurePrintDialog(dialog);
    return dialog.exec() == QDialog::Accepted;
}

int QtUserDialogs::runModal(QDialog& dialog) {
    return dialog.exec();
}

bool QtUserDialogs::openWebPage(const QUrl& address) {
    return QDesktopServices::openUrl(address);
}

}  // namespace ui
