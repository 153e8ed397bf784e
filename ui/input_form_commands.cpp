// The input form's commands that open files, web pages and the About box. Each does nothing
// until the files-and-links work lands; the form's menus, buttons and labels already call them.
#include "ui/input_form.h"

namespace ui {

// "&Open Previously Saved Reading": loads a reading file into the fields with setValues, then
// emits calculateRequested as if the button had been pressed.
void InputForm::openSavedReading() {}

// "Click here to find Latitude && Longitude": checks city, state and country, then hands the
// search text to the web lookup.
void InputForm::findLatitudeLongitude() {}

// Opens the vendor's web page for a page key ("help-web-page", "home-page", ...).
void InputForm::openVendorPage(const QString& pageKey) {
    Q_UNUSED(pageKey);
}

// "&About Software": the About box, modal, through dialogs_.runModal.
void InputForm::showAbout() {}

}  // namespace ui
