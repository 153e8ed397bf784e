#pragma once

#include <QString>
#include <vector>

#include "files/text_losses.h"

class QWidget;

namespace ui {

class UserDialogs;

// The warning before a save that would change what the user entered: each field named, with
// the characters it loses and what the file will hold. fileName says which file ("the reading
// file").
QString LossWarningText(const std::vector<files::TextLoss>& losses, const QString& fileName);

// True when the save may go ahead: nothing would be lost, or the user chose "Save Anyway" in
// the warning.
bool ConfirmLosses(UserDialogs& dialogs, QWidget* parent,
                   const std::vector<files::TextLoss>& losses, const QString& fileName);

}  // namespace ui
