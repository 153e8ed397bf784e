#include "ui/dasha_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "files/dasha_csv.h"
#include "ui/chart/chart_words.h"
#include "ui/file_requests.h"
#include "ui/language.h"
#include "ui/program_fonts.h"
#include "ui/qt_text.h"
#include "ui/table_buttons.h"
#include "ui/table_saving.h"
#include "ui/user_dialogs.h"

namespace ui {

namespace {

enum Column { kPeriodColumn, kStartColumn, kEndColumn, kColumnCount };

QDate QDateOf(const engine::CivilDate& date) {
    return {date.year, date.month, date.day};
}

// Dates in the user's language with the year in full: the periods span 120 years.
QString DateText(double moment) {
    return WithLanguageDigits(
        QLocale().toString(QDateOf(reading::DateOfMoment(moment)), QStringLiteral("d MMM yyyy")));
}

QString AntardashaName(const reading::Mahadasha& mahadasha, const reading::DashaPeriod& sub) {
    return ChartWord(mahadasha.period.lord) + QStringLiteral(" / ") + ChartWord(sub.lord);
}

// The balance at birth: in English as the report writes it, with its singulars; Bengali and Hindi
// nouns do not change with the number, so one text serves them.
QString BalanceText(const reading::VimshottariDasha& dasha) {
    if (CurrentLanguage() == Language::kEnglish) {
        return QString::fromStdString(reading::BalanceLine(dasha));
    }
    const reading::YearsMonthsDays left = reading::SplitYears(dasha.balanceYears);
    return WithLanguageDigits(
        DashaWindow::tr("Balance of %1 dasha at birth: %2 years %3 months %4 days")
            .arg(ChartWord(dasha.balanceLord()), QString::number(left.years),
                 QString::number(left.months), QString::number(left.days)));
}

void SetRunning(QTreeWidgetItem* item, bool running) {
    for (int column = 0; column < kColumnCount; ++column) {
        QFont font = item->font(column);
        font.setBold(running);
        item->setFont(column, font);
    }
    const QString description =
        running ? DashaWindow::tr("from %1 to %2, running now") : DashaWindow::tr("from %1 to %2");
    item->setData(kPeriodColumn, Qt::AccessibleDescriptionRole,
                  description.arg(item->text(kStartColumn), item->text(kEndColumn)));
}

QTreeWidgetItem* PeriodItem(const QString& name, const reading::DashaPeriod& period) {
    auto* item =
        new QTreeWidgetItem(QStringList{name, DateText(period.start), DateText(period.end)});
    SetRunning(item, false);
    return item;
}

}  // namespace

DashaWindow::DashaWindow(reading::VimshottariDasha dasha, const QString& personName, QDate today,
                         UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dasha_(dasha), personName_(personName), today_(today), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmDasha"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(ProgramFont(9.75));

    lblBalance = new QLabel(this);
    lblBalance->setObjectName(QStringLiteral("lblBalance"));
    lblBalance->setFont(ProgramFont(9.75, true));
    lblBalance->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblRunning = new QLabel(this);
    lblRunning->setObjectName(QStringLiteral("lblRunning"));

    tvwDasha = new QTreeWidget(this);
    tvwDasha->setObjectName(QStringLiteral("tvwDasha"));
    tvwDasha->setColumnCount(kColumnCount);
    tvwDasha->setUniformRowHeights(true);
    tvwDasha->setAlternatingRowColors(true);

    const TableButtons buttons = MakeTableButtons(this, tvwDasha);
    cmdCopy = buttons.copy;
    cmdSaveCsv = buttons.saveCsv;
    cmdClose = buttons.close;
    showTexts();
    connect(cmdCopy, &QPushButton::clicked, this, &DashaWindow::copyAsText);
    connect(cmdSaveCsv, &QPushButton::clicked, this, &DashaWindow::saveAsCsv);
    connect(cmdClose, &QPushButton::clicked, this, &DashaWindow::close);

    auto* column = new QVBoxLayout(this);
    column->addWidget(lblBalance);
    column->addWidget(lblRunning);
    column->addWidget(tvwDasha, 1);
    column->addLayout(buttons.row);
    tvwDasha->setFocus();
    resize(520, 560);
}

void DashaWindow::showTexts() {
    setWindowTitle(tr("Vimshottari Dasha - %1").arg(personName_));
    lblBalance->setText(BalanceText(dasha_));
    tvwDasha->setAccessibleName(tr("Mahadashas and their antardashas"));
    tvwDasha->setHeaderLabels({tr("Dasha"), tr("Start"), tr("End")});
    cmdCopy->setText(tr("&Copy"));
    cmdCopy->setToolTip(tr("Copy the dasha as text"));
    cmdSaveCsv->setText(tr("Save As C&SV"));
    cmdSaveCsv->setToolTip(tr("Save the dasha as a CSV file for spreadsheets"));
    cmdClose->setText(tr("C&lose"));
    // The periods' names and dates are in the language too: the list is made anew, and the
    // running period marked again.
    tvwDasha->clear();
    fillTree();
    markRunning();
}

void DashaWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        showTexts();
    }
}

void DashaWindow::fillTree() {
    for (const reading::Mahadasha& mahadasha : dasha_.mahadashas) {
        QTreeWidgetItem* item = PeriodItem(ChartWord(mahadasha.period.lord), mahadasha.period);
        for (const reading::DashaPeriod& antardasha : mahadasha.antardashas) {
            item->addChild(PeriodItem(AntardashaName(mahadasha, antardasha), antardasha));
        }
        tvwDasha->addTopLevelItem(item);
    }
    for (int column = 0; column < kColumnCount; ++column) {
        tvwDasha->resizeColumnToContents(column);
    }
    tvwDasha->header()->setStretchLastSection(false);
    tvwDasha->header()->setSectionResizeMode(kPeriodColumn, QHeaderView::Stretch);
}

void DashaWindow::setDasha(const reading::VimshottariDasha& dasha) {
    dasha_ = dasha;
    lblBalance->setText(BalanceText(dasha_));
    tvwDasha->clear();
    fillTree();
    markRunning();
}

void DashaWindow::setToday(QDate today) {
    today_ = today;
    markRunning();
}

void DashaWindow::markRunning() {
    for (int m = 0; m < tvwDasha->topLevelItemCount(); ++m) {
        QTreeWidgetItem* mahadasha = tvwDasha->topLevelItem(m);
        SetRunning(mahadasha, false);
        for (int a = 0; a < mahadasha->childCount(); ++a) {
            SetRunning(mahadasha->child(a), false);
        }
    }
    const auto running = reading::RunningOn(dasha_, {today_.year(), today_.month(), today_.day()});
    if (!running) {
        lblRunning->setText(tr("No period of this dasha runs today."));
        tvwDasha->setCurrentItem(tvwDasha->topLevelItem(0));
        return;
    }
    QTreeWidgetItem* mahadasha = tvwDasha->topLevelItem(running->mahadasha);
    QTreeWidgetItem* antardasha = mahadasha->child(running->antardasha);
    SetRunning(mahadasha, true);
    SetRunning(antardasha, true);
    mahadasha->setExpanded(true);
    tvwDasha->setCurrentItem(antardasha);
    tvwDasha->scrollToItem(antardasha);
    // Bold dates are wider; they must not be cut short.
    tvwDasha->resizeColumnToContents(kStartColumn);
    tvwDasha->resizeColumnToContents(kEndColumn);
    lblRunning->setText(tr("Running today: %1, from %2 to %3")
                            .arg(antardasha->text(kPeriodColumn), antardasha->text(kStartColumn),
                                 antardasha->text(kEndColumn)));
}

QString DashaWindow::text() const {
    QStringList lines{windowTitle(), lblBalance->text()};
    const auto line = [](const QTreeWidgetItem* item, const QString& indent) {
        return indent + item->text(kPeriodColumn) + QLatin1Char('\t') + item->text(kStartColumn) +
               QLatin1Char('\t') + item->text(kEndColumn);
    };
    for (int m = 0; m < tvwDasha->topLevelItemCount(); ++m) {
        const QTreeWidgetItem* mahadasha = tvwDasha->topLevelItem(m);
        lines << line(mahadasha, {});
        for (int a = 0; a < mahadasha->childCount(); ++a) {
            lines << line(mahadasha->child(a), QStringLiteral("    "));
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void DashaWindow::copyAsText() {
    QApplication::clipboard()->setText(text());
}

void DashaWindow::saveAsCsv() {
    SaveTableAsked(this, dialogs_,
                   SaveDashaCsvRequest(OfferedTableName(personName_, QStringLiteral(" dasha.csv"))),
                   [this] { return files::DashaCsv(dasha_); });
}

}  // namespace ui
