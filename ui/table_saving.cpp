#include "ui/table_saving.h"

#include <QByteArray>

#include "files/safe_file.h"
#include "ui/user_dialogs.h"

namespace ui {

QString OfferedTableName(const QString& personName, const QString& ending) {
    QString offered = personName.trimmed() + ending;
    offered.replace(QLatin1Char('/'), QLatin1Char('-'))
        .replace(QLatin1Char('\\'), QLatin1Char('-'));
    return offered;
}

void SaveTableAsked(QWidget* parent, UserDialogs& dialogs, const FileRequest& request,
                    const std::function<std::string()>& table) {
    const QString path = dialogs.askSaveFileName(parent, request);
    if (path.isEmpty()) {
        return;
    }
    if (const auto problem = files::WriteFileSafely(path, QByteArray::fromStdString(table()))) {
        dialogs.showMessage(parent, problem->text, MessageKind::kError, problem->title);
    }
}

}  // namespace ui
