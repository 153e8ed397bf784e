#pragma once

#include <QMainWindow>

#include <optional>

#include "places/zone_setting.h"
#include "reading/form_values.h"
#include "reading/validation.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace links {
class LinkLabel;
}

namespace ui {

class PlaceFinder;
class UserDialogs;

// The input form (frmMain): the birth details as lists, text fields and options, the button
// that starts the calculation, and the form's menus.
class InputForm : public QMainWindow {
    Q_OBJECT

  public:
    explicit InputForm(UserDialogs& dialogs, QWidget* parent = nullptr);

    // The entries as they stand.
    reading::FormValues values() const;
    // Puts entries into the fields, as opening a reading file does.
    void setValues(const reading::FormValues& values);

    // Shows why the calculation was refused and does what the refusal asks: moves the focus or
    // selects the default direction.
    void applyRefusal(const reading::FormRefusal& refusal);

    // When the place found in the atlas keeps a clock that no row of the zone list has, and no
    // row was picked by hand since, says so with the clock's offset, puts the focus on the zone
    // list and gives true: no chart may be cast at a row nobody chose.
    bool refuseUnchosenZone();

    // What the place's clock was at the birth, when the zone follows a place from the atlas.
    std::optional<places::PlaceClock> placeClock() const;

  signals:
    // The calculate button or its menu entry was chosen.
    void calculateRequested();
    // The form was closed by its close box or "&Exit".
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void createControls();
    void createPlaceFinder();
    void createMenus();
    void fillLists();
    // The month list in the language spoken; the chosen month stays chosen.
    void nameMonths();
    // The zone list likewise; the rows keep their order, the zone number of reading files.
    void nameZones();
    void orderTabStops();
    QWidget* fieldWidget(reading::FormField field) const;

    // The commands that open a reading file and search for the place (input_form_commands.cpp).
    void openSavedReading();
    void findLatitudeLongitude();

    UserDialogs& dialogs_;
    // Added to a refusal while the calculation of an opened file runs: where the file ended.
    QString refusalNote_;

    QLineEdit* txtName = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboYear = nullptr;
    QComboBox* cboHour = nullptr;
    QComboBox* cboMinute = nullptr;
    QCheckBox* chkDST = nullptr;
    QComboBox* cboTimeZone = nullptr;
    QLineEdit* txtLatDeg = nullptr;
    QRadioButton* optLatNorth = nullptr;  // optLat(0)
    QRadioButton* optLatSouth = nullptr;  // optLat(1)
    QLineEdit* txtLatMin = nullptr;
    QLineEdit* txtLonDeg = nullptr;
    QRadioButton* optLongEast = nullptr;  // optLong(0)
    QRadioButton* optLongWest = nullptr;  // optLong(1)
    QLineEdit* txtLonMin = nullptr;
    QLineEdit* txtCity = nullptr;
    QLineEdit* txtState = nullptr;
    QLineEdit* txtCountry = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdOpen = nullptr;
    links::LinkLabel* Label8 = nullptr;
    links::LinkLabel* lblFullBrand = nullptr;
    links::LinkLabel* lblCobrand = nullptr;
    QLabel* lblZoneClock = nullptr;  // what the place's clock set, beside the zone list
    PlaceFinder* placeFinder_ = nullptr;
};

}  // namespace ui
