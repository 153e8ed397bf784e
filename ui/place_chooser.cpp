#include "ui/place_chooser.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "places/place_text.h"
#include "ui/program_texts.h"

namespace ui {

namespace {

QString CoordinateText(int hundredThousandths, char positive, char negative) {
    const places::DegreesMinutes angle = places::ToDegreesMinutes(hundredThousandths);
    return QStringLiteral("%1° %2' %3")
        .arg(angle.degrees)
        .arg(angle.minutes, 2, 10, QLatin1Char('0'))
        .arg(QLatin1Char(angle.negative ? negative : positive));
}

}  // namespace

PlaceChooser::PlaceChooser(const std::vector<places::Place>& choices, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmPlaceChooser"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    auto* caption = new QLabel(tr("Several places have this name. Which one?"), this);
    table_ = new QTableWidget(static_cast<int>(choices.size()), 6, this);
    table_->setObjectName(QStringLiteral("tblPlaces"));
    table_->setHorizontalHeaderLabels({tr("Name"), tr("State"), tr("Country"), tr("Latitude"),
                                       tr("Longitude"), tr("Population")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    for (int row = 0; row < table_->rowCount(); ++row) {
        const places::Place& place = choices[static_cast<std::size_t>(row)];
        const QString cells[] = {
            QString::fromStdString(place.name),        QString::fromStdString(place.state),
            QString::fromStdString(place.country),     CoordinateText(place.latitude, 'N', 'S'),
            CoordinateText(place.longitude, 'E', 'W'), QLocale::c().toString(place.population)};
        for (int column = 0; column < 6; ++column) {
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
    table_->resizeColumnsToContents();
    table_->selectRow(0);
    connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(640, 320);
}

int PlaceChooser::chosenRow() const {
    const QList<QTableWidgetItem*> selected = table_->selectedItems();
    return selected.isEmpty() ? -1 : selected.front()->row();
}

RepeatedTimeQuestion::RepeatedTimeQuestion(const QString& question, const QString& earlier,
                                           const QString& later, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmRepeatedTime"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    auto* text = new QLabel(question, this);
    text->setWordWrap(true);
    auto* earlierButton = new QPushButton(earlier, this);
    earlierButton->setObjectName(QStringLiteral("cmdEarlier"));
    auto* laterButton = new QPushButton(later, this);
    laterButton->setObjectName(QStringLiteral("cmdLater"));
    connect(earlierButton, &QPushButton::clicked, this, [this] { done(kEarlier); });
    connect(laterButton, &QPushButton::clicked, this, [this] { done(kLater); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(earlierButton);
    buttons->addWidget(laterButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);
}

}  // namespace ui
