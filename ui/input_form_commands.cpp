// The input form's commands that open a reading file and search for the place's coordinates.
#include <QLineEdit>

#include "files/reading_file_io.h"
#include "links/place_lookup.h"
#include "ui/file_requests.h"
#include "ui/input_form.h"
#include "ui/place_finder.h"
#include "ui/user_dialogs.h"

namespace ui {

// "&Open Previously Saved Reading": the file's fields go into the form, then the calculation
// runs as if its button had been pressed. A file that is refused changes nothing. A file that
// ended early still loads; the calculation's refusal then says where it ended.
void InputForm::openSavedReading() {
    const QString path = dialogs_.askOpenFileName(this, OpenReadingRequest());
    if (path.isEmpty()) {
        return;
    }
    const files::LoadedReadingFile loaded = files::LoadReadingFile(path);
    if (!loaded.fields) {
        const QString text = loaded.problem ? loaded.problem->text : QString();
        dialogs_.showMessage(this, text, MessageKind::kError);
        return;
    }
    setValues(files::ApplyToForm(*loaded.fields, values()));
    refusalNote_ = loaded.endedEarly;
    emit calculateRequested();
    refusalNote_.clear();
}

// "Click here to find Latitude && Longitude": with city, state and country given, the place
// from the built-in atlas (several matches offer a choice), else a web search for the place's
// coordinates that leaves the fields as typed.
void InputForm::findLatitudeLongitude() {
    auto refusal =
        links::CheckPlaceForLookup(txtCity->text(), txtState->text(), txtCountry->text());
    if (!refusal && placeFinder_->lookUp()) {
        return;
    }
    if (!refusal) {
        refusal = links::FindLatitudeLongitude(
            txtCity->text(), txtState->text(), txtCountry->text(),
            [this](const QUrl& address) { dialogs_.openLink(this, address); });
    }
    if (refusal) {
        dialogs_.showMessage(this, refusal->message, MessageKind::kError);
        if (QWidget* field = fieldWidget(refusal->focus)) {
            field->setFocus();
        }
    }
}

}  // namespace ui
