#include "ui/loss_warning.h"

#include <QCoreApplication>
#include <QStringList>

#include "ui/user_dialogs.h"

namespace ui {

namespace {

// A character as the user can recognise it: in quotes, or by its code when it cannot be seen.
QString Shown(const std::string& character) {
    const QString text = QString::fromStdString(character);
    const char32_t code = text.isEmpty() ? 0 : text.toUcs4().value(0);
    if (code < 0x20 || (code >= 0x7F && code < 0xA0)) {
        return QStringLiteral("U+%1")
            .arg(static_cast<uint>(code), 4, 16, QLatin1Char('0'))
            .toUpper();
    }
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString ShownList(const std::vector<std::string>& characters) {
    QStringList shown;
    for (const std::string& character : characters) {
        shown << Shown(character);
    }
    return shown.join(QStringLiteral(", "));
}

QString Tr(const char* source) {
    return QCoreApplication::translate("LossWarning", source);
}

QString FieldLines(const files::TextLoss& loss) {
    QStringList what;
    if (!loss.replaced.empty()) {
        what << Tr(QT_TRANSLATE_NOOP("LossWarning", "%1 will be written as \"?\""))
                    .arg(ShownList(loss.replaced));
    }
    if (!loss.leftOut.empty()) {
        what << Tr(QT_TRANSLATE_NOOP("LossWarning", "%1 will be left out"))
                    .arg(ShownList(loss.leftOut));
    }
    const QString stored =
        loss.stored.empty() ? Tr(QT_TRANSLATE_NOOP("LossWarning", "It will be stored empty."))
                            : Tr(QT_TRANSLATE_NOOP("LossWarning", "It will be stored as \"%1\"."))
                                  .arg(QString::fromStdString(loss.stored));
    // The field as the form's caption names it, in the language spoken.
    const QString field = QCoreApplication::translate("ui::InputForm", loss.field.c_str());
    //: %1 is the field's caption, %2 its text, %3 what happens to its letters, %4 what is kept.
    return Tr(QT_TRANSLATE_NOOP("LossWarning", "%1 \"%2\": %3.\n%4"))
        .arg(field, QString::fromStdString(loss.text), what.join(QStringLiteral("; ")), stored);
}

}  // namespace

QString LossWarningText(const std::vector<files::TextLoss>& losses, const QString& fileName) {
    QStringList parts{Tr(QT_TRANSLATE_NOOP("LossWarning", "Some characters cannot be kept in %1:"))
                          .arg(fileName)};
    for (const files::TextLoss& loss : losses) {
        parts << FieldLines(loss);
    }
    parts << Tr(QT_TRANSLATE_NOOP("LossWarning", "Save anyway?"));
    return parts.join(QStringLiteral("\n\n"));
}

bool ConfirmLosses(UserDialogs& dialogs, QWidget* parent,
                   const std::vector<files::TextLoss>& losses, const QString& fileName) {
    return losses.empty() ||
           dialogs.askToProceed(parent, LossWarningText(losses, fileName),
                                Tr(QT_TRANSLATE_NOOP("LossWarning", "Save Anyway")));
}

}  // namespace ui
