#pragma once

#include <QDate>
#include <QDialog>

#include "reading/vimshottari_dasha.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {

class UserDialogs;

// The Vimshottari dasha of a reading: the balance at birth, the nine mahadashas with their dates,
// each opening into its antardashas, and the period running today marked. It can be copied as
// text and saved as CSV. It is a window of its own beside the chart window, which closes it.
class DashaWindow : public QDialog {
    Q_OBJECT

  public:
    DashaWindow(reading::VimshottariDasha dasha, const QString& personName, QDate today,
                UserDialogs& dialogs, QWidget* parent = nullptr);

    // Shows another dasha of the same person: the birth calculated another way.
    void setDasha(const reading::VimshottariDasha& dasha);

    // Marks the periods running on today instead, and moves to the running antardasha.
    void setToday(QDate today);

    // The window's contents as plain text: the balance line, then every mahadasha and its
    // antardashas with their start and end dates, separated by tabs.
    QString text() const;

    void copyAsText();
    void saveAsCsv();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // Every text of the window in the language spoken.
    void showTexts();
    void fillTree();
    void markRunning();

    reading::VimshottariDasha dasha_;
    QString personName_;
    QDate today_;
    UserDialogs& dialogs_;

    QLabel* lblBalance = nullptr;
    QLabel* lblRunning = nullptr;
    QTreeWidget* tvwDasha = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdSaveCsv = nullptr;
    QPushButton* cmdClose = nullptr;
};

}  // namespace ui
