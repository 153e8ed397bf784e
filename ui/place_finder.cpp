#include "ui/place_finder.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringListModel>
#include <algorithm>

#include "places/builtin_atlas.h"
#include "places/place_text.h"
#include "places/zone_setting.h"
#include "reading/form_values.h"
#include "ui/cast_zone.h"
#include "ui/place_chooser.h"
#include "ui/place_clock_texts.h"
#include "ui/qt_text.h"
#include "ui/user_dialogs.h"

namespace ui {

namespace {

constexpr std::size_t kCompletionCount = 12;
constexpr std::size_t kChoiceCount = 20;

std::vector<places::Place> PlacesOf(const places::Atlas& atlas,
                                    const std::vector<std::size_t>& numbers) {
    std::vector<places::Place> found;
    for (const std::size_t number : numbers) {
        found.push_back(atlas.at(number));
    }
    return found;
}

}  // namespace

PlaceFinder::PlaceFinder(const PlaceControls& controls, UserDialogs& dialogs, QWidget* window)
    : QObject(window), controls_(controls), dialogs_(dialogs), window_(window) {
    completions_ = new QStringListModel(this);
    completer_ = new QCompleter(completions_, this);
    completer_->setObjectName(QStringLiteral("cmpCity"));
    // The atlas matches other names too ("Calcutta" offers Kolkata): show its answers unfiltered.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setMaxVisibleItems(static_cast<int>(kCompletionCount));
    completer_->setWidget(controls_.city);
    connect(controls_.city, &QLineEdit::textEdited, this, &PlaceFinder::offerCompletions);
    // By row: two places may share a label.
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &PlaceFinder::takeCompletion);

    // A place typed by hand, or a zone chosen by hand, is the user's: the atlas lets go.
    for (QLineEdit* field :
         {controls_.state, controls_.country, controls_.latitudeDegrees, controls_.latitudeMinutes,
          controls_.longitudeDegrees, controls_.longitudeMinutes}) {
        connect(field, &QLineEdit::textEdited, this, &PlaceFinder::letGoOfPlace);
    }
    for (QRadioButton* option :
         {controls_.north, controls_.south, controls_.east, controls_.west}) {
        connect(option, &QRadioButton::clicked, this, &PlaceFinder::letGoOfPlace);
    }
    connect(controls_.zone, qOverload<int>(&QComboBox::activated), this, &PlaceFinder::forgetPlace);
    connect(controls_.daylightSaving, &QCheckBox::clicked, this, &PlaceFinder::letGoOfPlace);
    for (QComboBox* list :
         {controls_.day, controls_.month, controls_.year, controls_.hour, controls_.minute}) {
        connect(list, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
            if (place_ && !filling_) {
                settleZone(false);
            }
        });
    }
    // Without a place's clock, the line tells the offset of the zone as chosen, however chosen.
    connect(controls_.zone, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &PlaceFinder::showZoneLine);
    connect(controls_.daylightSaving, &QCheckBox::toggled, this, &PlaceFinder::showZoneLine);
    showZoneLine();
}

void PlaceFinder::showZoneLine() {
    if (place_) {
        if (lineClock_) {
            controls_.zoneLine->setText(PlaceClockText(*lineClock_));
        }
    } else if (controls_.zone->currentIndex() >= 0) {
        controls_.zoneLine->setText(QStringOf(
            ChosenZoneLine(controls_.zone->currentIndex(), controls_.daylightSaving->isChecked())));
    }
}

QString PlaceFinder::unchosenZoneRefusal() const {
    return unmatched_ ? UnchosenZoneRefusal(unmatched_->first, unmatched_->second) : QString();
}

void PlaceFinder::offerCompletions(const QString& typed) {
    place_.reset();
    placeClock_.reset();
    showZoneLine();
    offered_.clear();
    QStringList labels;
    const places::Atlas* atlas = places::BuiltInAtlas();
    if (atlas != nullptr && !typed.trimmed().isEmpty()) {
        places::PlaceQuery query;
        query.city = typed.toStdString();
        // A place found by one of its other names shows it: "Guangzhou (Kwangchow), …".
        for (const places::PlaceMatch& match : atlas->match(query, kCompletionCount)) {
            offered_.push_back(atlas->at(match.place));
            labels << QStringOf(places::PlaceLabel(offered_.back(), match.otherName));
        }
    }
    completions_->setStringList(labels);
    if (labels.isEmpty()) {
        completer_->popup()->hide();
        return;
    }
    // As wide as the longest entry, and never narrower than the field; the completer keeps the
    // popup within the screen.
    QAbstractItemView* popup = completer_->popup();
    int width = popup->sizeHintForColumn(0) + 2 * popup->frameWidth();
    if (labels.size() > completer_->maxVisibleItems()) {
        width += popup->verticalScrollBar()->sizeHint().width();
    }
    completer_->complete(
        QRect(0, 0, std::max(width, controls_.city->width()), controls_.city->height()));
}

void PlaceFinder::takeCompletion(const QModelIndex& offer) {
    if (offer.isValid() && static_cast<std::size_t>(offer.row()) < offered_.size()) {
        apply(offered_[static_cast<std::size_t>(offer.row())]);
    }
}

bool PlaceFinder::lookUp() {
    const places::Atlas* atlas = places::BuiltInAtlas();
    if (atlas == nullptr) {
        return false;
    }
    places::PlaceQuery query;
    query.city = controls_.city->text().toStdString();
    query.state = controls_.state->text().toStdString();
    query.country = controls_.country->text().toStdString();
    const std::vector<places::Place> found = PlacesOf(*atlas, atlas->find(query, kChoiceCount));
    if (found.empty()) {
        return false;
    }
    if (found.size() == 1) {
        apply(found.front());
        return true;
    }
    PlaceChooser chooser(found, window_);
    if (dialogs_.runModal(chooser) == QDialog::Accepted && chooser.chosenRow() >= 0) {
        apply(found[static_cast<std::size_t>(chooser.chosenRow())]);
    }
    return true;
}

void PlaceFinder::apply(const places::Place& place) {
    filling_ = true;
    // Names are taken as the atlas writes them, hyphens, apostrophes and digits included.
    controls_.city->setText(QStringOf(place.name));
    controls_.state->setText(QStringOf(place.state));
    controls_.country->setText(QStringOf(place.country));
    const places::DegreesMinutes latitude = places::ToDegreesMinutes(place.latitude);
    const places::DegreesMinutes longitude = places::ToDegreesMinutes(place.longitude);
    controls_.latitudeDegrees->setText(QString::number(latitude.degrees));
    controls_.latitudeMinutes->setText(QString::number(latitude.minutes));
    (latitude.negative ? controls_.south : controls_.north)->setChecked(true);
    controls_.longitudeDegrees->setText(QString::number(longitude.degrees));
    controls_.longitudeMinutes->setText(QString::number(longitude.minutes));
    (longitude.negative ? controls_.west : controls_.east)->setChecked(true);
    filling_ = false;
    place_ = place;
    settleZone(true);
}

void PlaceFinder::forgetPlace() {
    if (!filling_) {
        unmatched_.reset();
        letGoOfPlace();
    }
}

void PlaceFinder::letGoOfPlace() {
    if (!filling_) {
        place_.reset();
        placeClock_.reset();
        showZoneLine();
    }
}

std::optional<places::LocalMoment> PlaceFinder::moment() const {
    const places::LocalMoment moment{
        reading::kFirstYear + controls_.year->currentIndex(), controls_.month->currentIndex() + 1,
        controls_.day->currentIndex() + 1, controls_.hour->currentIndex(),
        controls_.minute->currentIndex()};
    // 31 April and the like wait for the form's own check.
    if (!QDate(moment.year, moment.month, moment.day).isValid()) {
        return std::nullopt;
    }
    return moment;
}

void PlaceFinder::settleZone(bool tellProblems) {
    const std::optional<places::LocalMoment> when = moment();
    placeClock_.reset();
    lineClock_.reset();
    if (!place_ || !when) {
        controls_.zoneLine->clear();
        showZoneLine();
        return;
    }
    const places::LocalClock clock = places::ReadClock(place_->timeZone, *when);
    int occurrence = 0;
    if (clock.kind == places::LocalClock::Kind::kTwice) {
        RepeatedTimeQuestion question(RepeatedTimeQuestionText(*place_, *when),
                                      OccurrenceAnswerText(*when, clock.offsets[0]),
                                      OccurrenceAnswerText(*when, clock.offsets[1]), window_);
        const int answer = dialogs_.runModal(question);
        if (answer != RepeatedTimeQuestion::kEarlier && answer != RepeatedTimeQuestion::kLater) {
            lineClock_ = places::PlaceClock{places::PlaceClock::Kind::kCameTwice, place_->timeZone,
                                            *when, 0};
            showZoneLine();
            return;
        }
        occurrence = answer == RepeatedTimeQuestion::kEarlier ? 0 : 1;
    }
    const places::ZoneSetting setting = places::SettleZone(*place_, *when, clock, occurrence);
    lineClock_ = setting.clock;
    showZoneLine();
    // A clock without a row would be charted at whatever row the list shows: the user picks one.
    unmatched_.reset();
    if (!setting.choice && setting.offset) {
        unmatched_.emplace(*place_, setting.clock);
    }
    if (setting.choice) {
        placeClock_ = setting.clock;
        filling_ = true;
        controls_.zone->setCurrentIndex(setting.choice->row);
        controls_.daylightSaving->setChecked(setting.choice->daylightSaving);
        filling_ = false;
    } else if (tellProblems) {
        dialogs_.showMessage(window_, PlaceClockProblem(*place_, setting.clock),
                             MessageKind::kInformation);
    }
}

}  // namespace ui
