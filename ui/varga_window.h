#pragma once

#include <QDialog>

#include "reading/chart_reading.h"

class QPushButton;
class QTableWidget;

namespace ui {

class UserDialogs;

// The signs of every body and the ascendant in all sixteen divisional charts: a table of bodies
// by charts that can be copied as text and saved as CSV. A window of its own beside the chart
// window, which closes it.
class VargaWindow : public QDialog {
    Q_OBJECT

  public:
    VargaWindow(const reading::ChartReading& reading, const QString& personName,
                UserDialogs& dialogs, QWidget* parent = nullptr);

    // The table as plain text: a line of chart keys, then a line for each body, separated by
    // tabs.
    QString text() const;

    void copyAsText();
    void saveAsCsv();

  private:
    void fillTable();

    reading::ChartReading reading_;
    QString personName_;
    UserDialogs& dialogs_;

    QTableWidget* tblVargas = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdSaveCsv = nullptr;
    QPushButton* cmdClose = nullptr;
};

}  // namespace ui
