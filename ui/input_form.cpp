#include "ui/input_form.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "links/link_label.h"
#include "links/vendor_pages.h"
#include "reading/time_zones.h"
#include "ui/cast_zone.h"
#include "ui/enter_presses_button.h"
#include "ui/form_messages.h"
#include "ui/key_filter.h"
#include "ui/language.h"
#include "ui/language_menu.h"
#include "ui/place_finder.h"
#include "ui/program_fonts.h"
#include "ui/program_texts.h"
#include "ui/translated_texts.h"
#include "ui/twips.h"
#include "ui/user_dialogs.h"
#include "ui/wrapping_button.h"

namespace ui {

namespace {

// 300 twips taller than the designed 4140, for the line under the zone list that tells what
// the place's clock set.
constexpr TwipsRect kClientArea{0, 0, 8925, 4440};
constexpr int kDegreeFieldLength = 3;

template <typename Widget>
Widget* Place(Widget* widget, const char* name, const TwipsRect& where) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(ToPixels(where));
    return widget;
}

// A caption label, as wide and high as its text, with its top-left corner at left, top.
// The caption follows the language spoken and keeps fitting its text.
constexpr char kFitsTextProperty[] = "fitsText";

QLabel* PlaceCaption(QWidget* parent, const char* name, const char* text, int left, int top) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    SetTranslatedText(label, "text", InputForm::staticMetaObject, text);
    label->setProperty(kFitsTextProperty, true);
    label->move(TwipsToWholePixels(left), TwipsToWholePixels(top));
    label->adjustSize();
    return label;
}

QLineEdit* PlaceField(QWidget* parent, const char* name, const TwipsRect& where) {
    return Place(new QLineEdit(parent), name, where);
}

QComboBox* PlaceList(QWidget* parent, const char* name, const TwipsRect& where) {
    auto* list = Place(new QComboBox(parent), name, where);
    list->setEditable(false);  // the lists only offer choosing
    list->setMaxVisibleItems(16);
    // Styles that open a choose-only list over its current entry ignore the row limit and fill
    // the screen; a plain drop-down list keeps to it.
    list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    return list;
}

// An option pair in a frame of its own, so that each pair is chosen apart from the other.
std::pair<QRadioButton*, QRadioButton*> PlaceOptionPair(
    QWidget* parent, const char* frameName, const TwipsRect& frameArea, const char* firstName,
    const char* firstCaption, const char* secondName, const char* secondCaption) {
    auto* frame = Place(new QFrame(parent), frameName, frameArea);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(2, 0, 0, 0);
    layout->setSpacing(0);
    auto* first = new QRadioButton(frame);
    first->setObjectName(QString::fromLatin1(firstName));
    SetTranslatedText(first, "text", InputForm::staticMetaObject, firstCaption);
    auto* second = new QRadioButton(frame);
    second->setObjectName(QString::fromLatin1(secondName));
    SetTranslatedText(second, "text", InputForm::staticMetaObject, secondCaption);
    layout->addWidget(first);
    layout->addWidget(second);
    return {first, second};
}

// Clears a pair of options; an exclusive pair will not otherwise let go of its choice.
void SetOptionPair(QRadioButton* first, QRadioButton* second, bool firstOn, bool secondOn) {
    for (QRadioButton* option : {first, second}) {
        option->setAutoExclusive(false);
    }
    first->setChecked(firstOn);
    second->setChecked(secondOn && !firstOn);
    for (QRadioButton* option : {first, second}) {
        option->setAutoExclusive(true);
    }
}

void SelectClamped(QComboBox* list, int index) {
    if (index >= 0 && index < list->count()) {
        list->setCurrentIndex(index);
    }
}

}  // namespace

InputForm::InputForm(UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kMainWindowCaption));
    setFont(ProgramFont(8.25));
    createControls();
    createPlaceFinder();
    createMenus();
    fillLists();
    orderTabStops();
    PressButtonsOnEnter(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);  // the form keeps its size
    // A form of fixed size has nothing to maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
}

void InputForm::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmMainClient"));
    client->setFixedSize(ToPixels(kClientArea).size());
    setCentralWidget(client);

    // Top of the form: the forum invitation, the open button and the advertising panel.
    Label8 = Place(new links::LinkLabel(QString(), client), "Label8", {120, 135, 4000, 900});
    SetTranslatedText(Label8, "text", kProgramTextsContext, kForumInvitation);
    Label8->setWordWrap(true);
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label8->setStyleSheet(QStringLiteral("color: #0000c0; text-decoration: underline;"));

    auto* fraFullBrand = Place(new QFrame(client), "fraFullBrand", {4560, 45, 4305, 1140});
    fraFullBrand->setFrameShape(QFrame::Box);
    fraFullBrand->setAutoFillBackground(true);
    QPalette brandPalette = fraFullBrand->palette();
    brandPalette.setColor(QPalette::Window, QColor(kChartColour));
    brandPalette.setColor(QPalette::WindowText, Qt::black);
    fraFullBrand->setPalette(brandPalette);
    auto* brandLayout = new QVBoxLayout(fraFullBrand);
    brandLayout->setContentsMargins(4, 2, 4, 2);
    brandLayout->setSpacing(2);
    lblFullBrand = new links::LinkLabel(links::FullBrandAdvert(), fraFullBrand);
    lblFullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    lblCobrand = new links::LinkLabel(QString(), fraFullBrand);
    lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
    SetTranslatedText(lblCobrand, "text", kProgramTextsContext, kFormCobrandInvitation);
    for (links::LinkLabel* label : {lblFullBrand, lblCobrand}) {
        label->setWordWrap(true);
        label->setFont(ProgramFont(7));
        brandLayout->addWidget(label);
    }
    lblCobrand->setStyleSheet(QStringLiteral("color: #0000c0;"));
    brandLayout->addStretch();

    cmdOpen = Place(new QPushButton(client), "cmdOpen", {120, 1110, 4000, 735});
    SetTranslatedText(cmdOpen, "text", staticMetaObject,
                      QT_TR_NOOP("&Open Previously Saved Reading"));

    // Birth details.
    auto* nameCaption = PlaceCaption(client, "lblLabel0", QT_TR_NOOP("Name"), 120, 2093);
    txtName = PlaceField(client, "txtName", {1260, 2040, 2800, 300});
    auto* dateCaption = PlaceCaption(client, "lblLabel1", QT_TR_NOOP("Date of Birth"), 120, 2537);
    cboMonth = PlaceList(client, "cboMonth", {1260, 2477, 1455, 315});
    cboDate = PlaceList(client, "cboDate", {2760, 2477, 615, 315});
    cboYear = PlaceList(client, "cboYear", {3420, 2477, 885, 315});
    auto* timeCaption = PlaceCaption(client, "lblLabel2", QT_TR_NOOP("Time of Birth"), 120, 2989);
    cboHour = PlaceList(client, "cboHour", {1260, 2929, 615, 315});
    // As wide as the hour list (615 twips rather than 570), so that "59" is not cut off.
    cboMinute = PlaceList(client, "cboMinute", {1912, 2929, 615, 315});
    PlaceCaption(client, "Label16", QT_TR_NOOP("HH/MM"), 2685, 3000);
    auto* zoneCaption = PlaceCaption(client, "lblLabel10", QT_TR_NOOP("Time Zone"), 120, 3384);
    chkDST = Place(new QCheckBox(client), "chkDST", {2040, 3381, 2415, 200});
    SetTranslatedText(chkDST, "text", staticMetaObject, QT_TR_NOOP("Daylight Saving Time"));
    chkDST->resize(chkDST->width(), std::max(chkDST->height(), chkDST->sizeHint().height()));
    cboTimeZone = PlaceList(client, "cboTimeZone", {120, 3720, 4335, 315});

    // Place.
    auto* latitudeCaption = PlaceCaption(client, "lblLabel3", QT_TR_NOOP("Latitude"), 4560, 1380);
    txtLatDeg = PlaceField(client, "txtLatDeg", {5460, 1335, 555, 300});
    std::tie(optLatNorth, optLatSouth) =
        PlaceOptionPair(client, "fraLat", {6120, 1230, 850, 500}, "optLat0", QT_TR_NOOP("North"),
                        "optLat1", QT_TR_NOOP("South"));
    txtLatMin = PlaceField(client, "txtLatMin", {7080, 1335, 525, 300});
    PlaceCaption(client, "lblLabel5", QT_TR_NOOP("DEG/MIN"), 7725, 1380);
    auto* longitudeCaption = PlaceCaption(client, "lblLabel4", QT_TR_NOOP("Longitude"), 4560, 2040);
    txtLonDeg = PlaceField(client, "txtLonDeg", {5460, 1980, 555, 300});
    std::tie(optLongEast, optLongWest) =
        PlaceOptionPair(client, "fraLong", {6120, 1875, 850, 500}, "optLong0", QT_TR_NOOP("East"),
                        "optLong1", QT_TR_NOOP("West"));
    txtLonMin = PlaceField(client, "txtLonMin", {7080, 1980, 525, 300});
    PlaceCaption(client, "lblLabel6", QT_TR_NOOP("DEG/MIN"), 7725, 2040);
    auto* cityCaption = PlaceCaption(client, "lblLabel7", QT_TR_NOOP("City"), 4560, 2520);
    txtCity = PlaceField(client, "txtCity", {5460, 2490, 1845, 285});
    auto* stateCaption = PlaceCaption(client, "lblLabel8", QT_TR_NOOP("State"), 4560, 2850);
    txtState = PlaceField(client, "txtState", {5460, 2835, 1845, 285});
    auto* countryCaption = PlaceCaption(client, "lblLabel9", QT_TR_NOOP("Country"), 4560, 3210);
    txtCountry = PlaceField(client, "txtCountry", {5460, 3180, 1845, 285});

    Command1 = Place(new WrappingButton(QString(), client), "Command1", {7410, 2505, 1095, 945});
    SetTranslatedText(Command1, "text", staticMetaObject,
                      QT_TR_NOOP("Click here to find Latitude && Longitude"));
    cmdCalculate = Place(new QPushButton(client), "cmdCalculate", {4560, 3635, 4305, 400});
    SetTranslatedText(cmdCalculate, "text", staticMetaObject,
                      QT_TR_NOOP("Get My &Rashi Chart (East)"));

    // Screen readers name each field by its caption.
    const std::pair<QLabel*, QWidget*> captions[] = {
        {nameCaption, txtName},     {dateCaption, cboMonth},      {timeCaption, cboHour},
        {zoneCaption, cboTimeZone}, {latitudeCaption, txtLatDeg}, {longitudeCaption, txtLonDeg},
        {cityCaption, txtCity},     {stateCaption, txtState},     {countryCaption, txtCountry}};
    for (const auto& [caption, field] : captions) {
        caption->setBuddy(field);
    }

    for (QLineEdit* field : {txtLatDeg, txtLatMin, txtLonDeg, txtLonMin}) {
        field->setMaxLength(kDegreeFieldLength);
        new KeyFilter(FieldKind::kDigits, dialogs_, field);
    }
    for (QLineEdit* field : {txtName, txtCity, txtState, txtCountry}) {
        new KeyFilter(FieldKind::kLetters, dialogs_, field);
    }

    connect(cmdCalculate, &QPushButton::clicked, this, &InputForm::calculateRequested);
    connect(cmdOpen, &QPushButton::clicked, this, &InputForm::openSavedReading);
    connect(Command1, &QPushButton::clicked, this, &InputForm::findLatitudeLongitude);
    const std::pair<links::LinkLabel*, std::string_view> pageLinks[] = {
        {Label8, links::kHomePage},
        {lblFullBrand, links::kFullyBrandedPage},
        {lblCobrand, links::kCoBrandPage}};
    for (const auto& [label, pageKey] : pageLinks) {
        connect(label, &links::LinkLabel::clicked, this,
                [this, pageKey] { dialogs_.openVendorPage(this, pageKey); });
    }
}

void InputForm::createPlaceFinder() {
    lblZoneClock = Place(new QLabel(centralWidget()), "lblZoneClock", {120, 4095, 8745, 285});
    placeFinder_ =
        new PlaceFinder({txtCity, txtState, txtCountry, txtLatDeg, txtLatMin, optLatNorth,
                         optLatSouth, txtLonDeg, txtLonMin, optLongEast, optLongWest, cboDate,
                         cboMonth, cboYear, cboHour, cboMinute, cboTimeZone, chkDST, lblZoneClock},
                        dialogs_, this);
}

void InputForm::createMenus() {
    auto addAction = [](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        SetTranslatedText(action, "text", staticMetaObject, caption);
        return action;
    };
    auto addPageAction = [this, addAction](QMenu* menu, const char* name, const char* caption,
                                           std::string_view pageKey) {
        QAction* action = addAction(menu, name, caption);
        connect(action, &QAction::triggered, this,
                [this, pageKey] { dialogs_.openVendorPage(this, pageKey); });
        return action;
    };

    QMenu* mnuFile = menuBar()->addMenu(QString());
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    SetTranslatedText(mnuFile, "title", staticMetaObject, QT_TR_NOOP("&File"));
    connect(addAction(mnuFile, "mnuCalculate", QT_TR_NOOP("Get My &Rasi Chart")),
            &QAction::triggered, this, &InputForm::calculateRequested);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileSep"));
    connect(addAction(mnuFile, "mnuExit", QT_TR_NOOP("&Exit")), &QAction::triggered, this,
            &InputForm::close);

    // The language can be chosen before the first chart, as in the chart window.
    QMenu* mnuView = menuBar()->addMenu(QString());
    mnuView->setObjectName(QStringLiteral("mnuView"));
    SetTranslatedText(mnuView, "title", staticMetaObject, QT_TR_NOOP("&View"));
    mnuView->addMenu(new LanguageMenu(mnuView));

    QMenu* mnuHelp = menuBar()->addMenu(QString());
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    SetTranslatedText(mnuHelp, "title", staticMetaObject, QT_TR_NOOP("&Help"));
    addPageAction(mnuHelp, "mnuOnline", QT_TR_NOOP("&Online Help"), links::kHelpPage);
    addPageAction(mnuHelp, "mnuVisit", QT_TR_NOOP("&Visit Us Online"), links::kHomePage);
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    addPageAction(mnuHelp, "mnuUpdate", QT_TR_NOOP("Check for Software &Update"),
                  links::kDownloadPage);
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep2"));
    connect(addAction(mnuHelp, "mnuAbout", QT_TR_NOOP("&About Software")), &QAction::triggered,
            this, [this] { dialogs_.showAboutBox(this); });
    addPageAction(mnuHelp, "mnuDonate", QT_TR_NOOP("Donate"), links::kDonatePage);
    addPageAction(mnuHelp, "mnuMakeMoney", QT_TR_NOOP("Make Money &Online"),
                  links::kFullyBrandedPage)
        ->setVisible(false);
}

void InputForm::nameMonths() {
    const QLocale locale = LocaleOf(CurrentLanguage());
    for (int month = 1; month <= reading::kMonthCount; ++month) {
        const QString name = locale.standaloneMonthName(month, QLocale::LongFormat);
        if (cboMonth->count() < month) {
            cboMonth->addItem(name);
        } else {
            cboMonth->setItemText(month - 1, name);
        }
    }
}

void InputForm::nameZones() {
    for (int row = 0; row < reading::kTimeZoneCount; ++row) {
        if (cboTimeZone->count() <= row) {
            cboTimeZone->addItem(ZoneRowText(row));
        } else {
            cboTimeZone->setItemText(row, ZoneRowText(row));
        }
    }
}

void InputForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        RetranslateTexts(this);
        nameMonths();
        nameZones();
        placeFinder_->showZoneLine();
        lblFullBrand->setText(links::FullBrandAdvert());
        const QList<QLabel*> labels = findChildren<QLabel*>();
        for (QLabel* label : labels) {
            if (label->property(kFitsTextProperty).toBool()) {
                label->adjustSize();
            }
        }
    }
}

void InputForm::fillLists() {
    for (int day = 1; day <= reading::kDayCount; ++day) {
        cboDate->addItem(QString::number(day));
    }
    nameMonths();
    for (int year = reading::kFirstYear; year <= reading::kLastYear; ++year) {
        cboYear->addItem(QString::number(year));
    }
    for (int hour = 0; hour < reading::kHourCount; ++hour) {
        cboHour->addItem(QString::number(hour));
    }
    for (int minute = 0; minute < reading::kMinuteCount; ++minute) {
        cboMinute->addItem(QString::number(minute));
    }
    nameZones();
    for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute, cboTimeZone}) {
        list->setCurrentIndex(0);
    }
}

void InputForm::orderTabStops() {
    // The numbered stops in their order, with the options, the check box and the other buttons
    // where a keyboard user looks for them; the web links come last.
    const QList<QWidget*> order{txtName,      cboDate,   cboMonth,    cboYear,      cboHour,
                                cboMinute,    chkDST,    cboTimeZone, txtLatDeg,    optLatNorth,
                                optLatSouth,  txtLatMin, txtLonDeg,   optLongEast,  optLongWest,
                                txtLonMin,    txtCity,   txtState,    txtCountry,   Command1,
                                cmdCalculate, cmdOpen,   Label8,      lblFullBrand, lblCobrand};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    txtName->setFocus();
}

reading::FormValues InputForm::values() const {
    reading::FormValues values;
    values.name = txtName->text().toStdString();
    values.dayIndex = cboDate->currentIndex();
    values.monthIndex = cboMonth->currentIndex();
    values.yearIndex = cboYear->currentIndex();
    values.hourIndex = cboHour->currentIndex();
    values.minuteIndex = cboMinute->currentIndex();
    values.zoneIndex = cboTimeZone->currentIndex();
    values.latitudeDegrees = txtLatDeg->text().toStdString();
    values.latitudeMinutes = txtLatMin->text().toStdString();
    values.longitudeDegrees = txtLonDeg->text().toStdString();
    values.longitudeMinutes = txtLonMin->text().toStdString();
    values.north = optLatNorth->isChecked();
    values.south = optLatSouth->isChecked();
    values.east = optLongEast->isChecked();
    values.west = optLongWest->isChecked();
    values.daylightSaving = chkDST->checkState() != Qt::Unchecked;
    values.city = txtCity->text().toStdString();
    values.state = txtState->text().toStdString();
    values.country = txtCountry->text().toStdString();
    return values;
}

void InputForm::setValues(const reading::FormValues& values) {
    placeFinder_->forgetPlace();
    txtName->setText(QString::fromStdString(values.name));
    SelectClamped(cboDate, values.dayIndex);
    SelectClamped(cboMonth, values.monthIndex);
    SelectClamped(cboYear, values.yearIndex);
    SelectClamped(cboHour, values.hourIndex);
    SelectClamped(cboMinute, values.minuteIndex);
    SelectClamped(cboTimeZone, values.zoneIndex);
    txtLatDeg->setText(QString::fromStdString(values.latitudeDegrees));
    txtLatMin->setText(QString::fromStdString(values.latitudeMinutes));
    txtLonDeg->setText(QString::fromStdString(values.longitudeDegrees));
    txtLonMin->setText(QString::fromStdString(values.longitudeMinutes));
    SetOptionPair(optLatNorth, optLatSouth, values.north, values.south);
    SetOptionPair(optLongEast, optLongWest, values.east, values.west);
    chkDST->setChecked(values.daylightSaving);
    txtCity->setText(QString::fromStdString(values.city));
    txtState->setText(QString::fromStdString(values.state));
    txtCountry->setText(QString::fromStdString(values.country));
}

QWidget* InputForm::fieldWidget(reading::FormField field) const {
    using reading::FormField;
    switch (field) {
        case FormField::kName:
            return txtName;
        case FormField::kLatitudeDegrees:
            return txtLatDeg;
        case FormField::kLatitudeMinutes:
            return txtLatMin;
        case FormField::kLongitudeDegrees:
            return txtLonDeg;
        case FormField::kLongitudeMinutes:
            return txtLonMin;
        case FormField::kCity:
            return txtCity;
        case FormField::kState:
            return txtState;
        case FormField::kCountry:
            return txtCountry;
        case FormField::kNone:
            break;
    }
    return nullptr;
}

void InputForm::applyRefusal(const reading::FormRefusal& refusal) {
    const MessageKind kind = refusal.icon == reading::MessageIcon::kError
                                 ? MessageKind::kError
                                 : MessageKind::kInformation;
    QString message = FormMessage(refusal.message);
    if (!refusalNote_.isEmpty()) {
        message += "\n\n" + refusalNote_;
    }
    dialogs_.showMessage(this, message, kind);
    if (QWidget* field = fieldWidget(refusal.focus)) {
        field->setFocus();
    }
    switch (refusal.fix) {
        case reading::DirectionFix::kSelectNorth:
            optLatNorth->setChecked(true);
            break;
        case reading::DirectionFix::kSelectEast:
            optLongEast->setChecked(true);
            break;
        case reading::DirectionFix::kNone:
            break;
    }
}

std::optional<places::PlaceClock> InputForm::placeClock() const {
    return placeFinder_->placeClock();
}

bool InputForm::refuseUnchosenZone() {
    const QString refusal = placeFinder_->unchosenZoneRefusal();
    if (refusal.isEmpty()) {
        return false;
    }
    dialogs_.showMessage(this, refusal, MessageKind::kError);
    cboTimeZone->setFocus();
    return true;
}

void InputForm::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        emit closed();
    }
}

}  // namespace ui
