#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace ui {

class UserDialogs;
struct FileRequest;

// The name first offered for a person's table, such as "Asha Rao dasha.csv". A slash in the
// person's name would make the offered name a folder, so it becomes a hyphen.
QString OfferedTableName(const QString& personName, const QString& ending);

// Asks where to save a table, then writes it safely; a failed write reaches the user with its
// reason. The table is made only once a file was chosen.
void SaveTableAsked(QWidget* parent, UserDialogs& dialogs, const FileRequest& request,
                    const std::function<std::string()>& table);

}  // namespace ui
