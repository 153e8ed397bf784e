#pragma once

#include <QObject>
#include <QString>
#include <optional>

class QKeyEvent;
class QLineEdit;

namespace ui {

class UserDialogs;

enum class FieldKind {
    kLetters,  // name, city, state, country
    kDigits,   // degrees and minutes
};

// Whether a field of the kind takes a character: letters A to Z and a to z, the space, the
// backspace (8) and 127 in letter fields; digits, 8 and 127 in number fields.
bool AcceptsCharacter(FieldKind kind, char32_t code);

// Whether a field of the kind may hold text that arrives whole (pasted or dropped): every
// character a letter and space, or a digit. The editing codes 8 and 127 are keys, not text.
bool HoldsText(FieldKind kind, const QString& text);

// The character a key press gives the field, or nothing when it gives none (arrows, Delete, the
// focus keys). Control with a letter gives its control code, so the copy and paste shortcuts
// count as characters (Ctrl+V gives 22); a paste shortcut without a letter counts as Ctrl+V.
std::optional<char32_t> CharacterOf(const QKeyEvent& event);

// Keeps a field to its kind's rule, with the message "Please enter only letters" or "Please
// enter only numbers"; a letter field gets the focus back. A typed character is refused before
// the field sees it; text composed by an input method is refused whole when any character of it
// is refused. Text that arrives any other way (the context menu's Paste, a middle-click, a drop)
// is undone when what it adds breaks the rule. Text the program puts in (an opened reading) is
// taken as it is.
class KeyFilter : public QObject {
    Q_OBJECT

  public:
    // Installs itself on field, which owns it.
    KeyFilter(FieldKind kind, UserDialogs& dialogs, QLineEdit* field);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void checkEdit(const QString& text);
    void refuse();

    FieldKind kind_;
    UserDialogs& dialogs_;
    QLineEdit* field_;
    QString accepted_;  // the field's text before the user's last change
};

}  // namespace ui
