// The program's real dialogs, answered by the test as a user would: what they ask, and where
// web pages go.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "files/file_dialog_texts.h"
#include "links/vendor_pages.h"
#include "ui/file_requests.h"
#include "ui/user_dialogs.h"
#include "url_catcher.h"

namespace {

// Hands the modal dialog that opens next to check, then closes it as cancelled.
template <typename Dialog, typename Check>
void WhenShown(Check check) {
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        check(*dialog);
        dialog->reject();
    });
}

TEST(QtUserDialogs, VendorPagesReachTheDesktopsBrowser) {
    const links::UrlCatcher catcher;
    ui::QtUserDialogs dialogs;
    dialogs.openVendorPage(nullptr, links::kDonatePage);
    EXPECT_EQ(catcher.opened, QList<QUrl>{links::VendorPageUrl(links::kDonatePage)});
}

TEST(QtUserDialogs, ThePrintDialogOffersNeitherPageNumbersNorAFile) {
    bool checked = false;
    WhenShown<QPrintDialog>([&checked](QPrintDialog& dialog) {
        EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
        EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintToFile));
        checked = true;
    });
    QPrinter printer;
    ui::QtUserDialogs dialogs;
    EXPECT_FALSE(dialogs.runPrintDialog(nullptr, printer)) << "cancelled";
    EXPECT_TRUE(checked);
}

TEST(QtUserDialogs, AWarningOffersToGoOnOrCancelWithCancelAsTheDefault) {
    ui::QtUserDialogs dialogs;
    bool checked = false;
    WhenShown<QMessageBox>([&checked](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Warning);
        EXPECT_EQ(box.text(), "Lost letters");
        EXPECT_EQ(box.windowTitle(), "Velmora Astrology Rashi Chart East");
        EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Cancel));
        checked = true;
    });
    EXPECT_FALSE(dialogs.askToProceed(nullptr, "Lost letters", "Save Anyway"));
    EXPECT_TRUE(checked);

    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == "Save Anyway") {
                button->click();
            }
        }
    });
    EXPECT_TRUE(dialogs.askToProceed(nullptr, "Lost letters", "Save Anyway"));
}

TEST(QtUserDialogs, TheFileDialogsAskWithTheirTexts) {
    ui::QtUserDialogs dialogs;
    QStringList asked;
    const auto record = [&asked](QFileDialog& dialog) {
        asked << dialog.windowTitle() << dialog.nameFilters().join('|') << dialog.defaultSuffix()
              << (dialog.testOption(QFileDialog::DontConfirmOverwrite) ? "no question"
                                                                       : "asks to replace");
    };
    WhenShown<QFileDialog>(record);
    EXPECT_EQ(dialogs.askSaveFileName(nullptr, ui::ExportReportRequest({})), "");
    WhenShown<QFileDialog>(record);
    EXPECT_EQ(dialogs.askSaveFileName(nullptr, ui::SavePictureRequest()), "");
    WhenShown<QFileDialog>(record);
    EXPECT_EQ(dialogs.askOpenFileName(nullptr, ui::OpenReadingRequest()), "");
    EXPECT_EQ(
        asked,
        QStringList({"Select the destination text file ", "Export Chart As Text (*.txt)", "txt",
                     "asks to replace", "Save As", "JPEG Image (*.jpg)", "JPG", "no question",
                     "Select the source file", "Velmora Astrology Rashi Chart South (*.vlj)", "vlj",
                     "asks to replace"}));
}

}  // namespace
