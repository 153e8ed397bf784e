#include "ui/varga_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "files/varga_csv.h"
#include "reading/sign_tables.h"
#include "reading/vargas.h"
#include "ui/chart/chart_words.h"
#include "ui/file_requests.h"
#include "ui/program_fonts.h"
#include "ui/qt_text.h"
#include "ui/table_buttons.h"
#include "ui/table_saving.h"
#include "ui/user_dialogs.h"

namespace ui {

VargaWindow::VargaWindow(const reading::ChartReading& reading, const QString& personName,
                         UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), reading_(reading), personName_(personName), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmVargas"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Divisional Charts - %1").arg(personName_));
    setFont(ProgramFont(9.75));

    tblVargas = new QTableWidget(reading::kNavamsaBodyCount, reading::kVargaCount, this);
    tblVargas->setObjectName(QStringLiteral("tblVargas"));
    tblVargas->setAccessibleName(tr("Signs of the bodies in the sixteen divisional charts"));
    tblVargas->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblVargas->setAlternatingRowColors(true);
    fillTable();

    const TableButtons buttons = MakeTableButtons(this, tblVargas);
    cmdCopy = buttons.copy;
    cmdCopy->setText(tr("&Copy"));
    cmdCopy->setToolTip(tr("Copy the table as text"));
    cmdSaveCsv = buttons.saveCsv;
    cmdSaveCsv->setText(tr("Save As C&SV"));
    cmdSaveCsv->setToolTip(tr("Save the table as a CSV file for spreadsheets"));
    cmdClose = buttons.close;
    cmdClose->setText(tr("C&lose"));
    connect(cmdCopy, &QPushButton::clicked, this, &VargaWindow::copyAsText);
    connect(cmdSaveCsv, &QPushButton::clicked, this, &VargaWindow::saveAsCsv);
    connect(cmdClose, &QPushButton::clicked, this, &VargaWindow::close);

    auto* column = new QVBoxLayout(this);
    column->addWidget(tblVargas, 1);
    column->addLayout(buttons.row);
    tblVargas->setFocus();
    resize(tblVargas->horizontalHeader()->length() + tblVargas->verticalHeader()->width() + 40,
           tblVargas->verticalHeader()->length() + tblVargas->horizontalHeader()->height() + 80);
}

void VargaWindow::fillTable() {
    for (int varga = 0; varga < reading::kVargaCount; ++varga) {
        const reading::VargaChart& chart = reading::kVargaCharts[varga];
        auto* header = new QTableWidgetItem(QStringOf(chart.key));
        header->setToolTip(ChartWord(chart.name));
        tblVargas->setHorizontalHeaderItem(varga, header);
    }
    for (int body = 0; body < reading::kNavamsaBodyCount; ++body) {
        tblVargas->setVerticalHeaderItem(
            body, new QTableWidgetItem(ChartWord(reading_.planetNames[body])));
        for (int varga = 0; varga < reading::kVargaCount; ++varga) {
            const std::string_view sign =
                reading::SignAbbreviationTable[reading_.vargas[varga][body]];
            tblVargas->setItem(body, varga, new QTableWidgetItem(ChartWord(sign)));
        }
    }
    tblVargas->resizeColumnsToContents();
}

QString VargaWindow::text() const {
    QStringList header{QString()};
    for (int varga = 0; varga < reading::kVargaCount; ++varga) {
        header << tblVargas->horizontalHeaderItem(varga)->text();
    }
    QStringList lines{windowTitle(), header.join(QLatin1Char('\t'))};
    for (int body = 0; body < reading::kNavamsaBodyCount; ++body) {
        QStringList cells{tblVargas->verticalHeaderItem(body)->text()};
        for (int varga = 0; varga < reading::kVargaCount; ++varga) {
            cells << tblVargas->item(body, varga)->text();
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void VargaWindow::copyAsText() {
    QApplication::clipboard()->setText(text());
}

void VargaWindow::saveAsCsv() {
    SaveTableAsked(this, dialogs_,
                   SaveVargaCsvRequest(
                       OfferedTableName(personName_, QStringLiteral(" divisional charts.csv"))),
                   [this] { return files::VargaCsv(reading_); });
}

}  // namespace ui
