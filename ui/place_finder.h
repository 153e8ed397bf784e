#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "places/place.h"
#include "places/place_clock.h"
#include "places/zone_setting.h"

class QCheckBox;
class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QModelIndex;
class QRadioButton;
class QStringListModel;
class QWidget;

namespace ui {

class UserDialogs;

// The input form's controls that a place from the atlas fills or follows.
struct PlaceControls {
    QLineEdit* city;
    QLineEdit* state;
    QLineEdit* country;
    QLineEdit* latitudeDegrees;
    QLineEdit* latitudeMinutes;
    QRadioButton* north;
    QRadioButton* south;
    QLineEdit* longitudeDegrees;
    QLineEdit* longitudeMinutes;
    QRadioButton* east;
    QRadioButton* west;
    QComboBox* day;
    QComboBox* month;
    QComboBox* year;
    QComboBox* hour;
    QComboBox* minute;
    QComboBox* zone;
    QCheckBox* daylightSaving;
    QLabel* zoneLine;  // beside the zone list: what the place's clock set
};

// Places from the built-in atlas in the input form: completions on the City field, the offline
// look-up of the latitude-and-longitude button, and the zone that follows the place's clock.
// While the zone came from the atlas it follows changes of the date and time; a zone or
// daylight-saving box chosen by hand, or a place typed by hand, stands.
class PlaceFinder : public QObject {
    Q_OBJECT

  public:
    PlaceFinder(const PlaceControls& controls, UserDialogs& dialogs, QWidget* window);

    // Looks city, state and country up in the atlas: one match fills the form, several offer a
    // chooser. False when the atlas has no match, so the caller can search the web instead.
    bool lookUp();

    // Fills city, state, country, the coordinates and their directions, and the zone.
    void apply(const places::Place& place);

    // The form's entries were replaced (a reading file was opened) or a zone was picked by hand:
    // the zone no longer follows a place, and stands as it is.
    void forgetPlace();

    // Why the zone must still be picked by hand before a chart is cast, in the language spoken:
    // the place's clock had an offset that no row of the list has, and no row was picked since.
    // Empty otherwise.
    QString unchosenZoneRefusal() const;

    // What the place's clock was at the birth while the zone follows it, as the line under the
    // zone list says: "Asia/Kolkata on 15 Jun 1980: +5:30". Nothing otherwise.
    const std::optional<places::PlaceClock>& placeClock() const { return placeClock_; }

    // The line under the zone list, in the language spoken: what the place's clock showed while
    // the zone follows a place, else the chosen row's offset with the daylight-saving box.
    void showZoneLine();

  private:
    void offerCompletions(const QString& typed);
    void takeCompletion(const QModelIndex& offer);
    void settleZone(bool tellProblems);
    // A place field, a direction or the daylight-saving box was changed by hand: the zone no
    // longer follows the place, but a clock without a row still waits for a zone.
    void letGoOfPlace();
    std::optional<places::LocalMoment> moment() const;

    PlaceControls controls_;
    UserDialogs& dialogs_;
    QWidget* window_;
    QCompleter* completer_ = nullptr;
    QStringListModel* completions_ = nullptr;
    std::vector<places::Place> offered_;  // the completions' places, row by row
    std::optional<places::Place> place_;  // whose clock sets the zone
    bool filling_ = false;                // the finder itself is changing the controls
    // The place whose clock has an offset no row has, until a row is picked.
    std::optional<std::pair<places::Place, places::PlaceClock>> unmatched_;
    std::optional<places::PlaceClock> placeClock_;  // the clock that set the zone
    std::optional<places::PlaceClock> lineClock_;   // what the line beside the list tells
};

}  // namespace ui
