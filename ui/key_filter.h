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

// Whether a field of the kind takes a character: in letter fields every letter that Latin-1
// holds (the reading file's and the report's character set), the space, the hyphen, the
// apostrophe and the full stop; in number fields the digits 0 to 9. Both take the backspace (8)
// and 127.
bool AcceptsCharacter(FieldKind kind, char32_t code);

// Whether a field of the kind may hold text that arrives whole (pasted or dropped): every
// character one the field holds. The editing codes 8 and 127 are keys, not text.
bool HoldsText(FieldKind kind, const QString& text);

// The character a key press gives the field, or nothing when it gives none (arrows, Delete, the
// focus keys) or is one of the editing shortcuts (select all, copy, cut, paste, undo, redo),
// which do their work and leave pasted text to the check of arriving text. Control with any
// other letter gives its control code, which no field takes.
std::optional<char32_t> CharacterOf(const QKeyEvent& event);

// Keeps a field to its kind's rule, with the message "Please enter only letters" or "Please
// enter only numbers"; a letter field gets the focus back. A typed character is refused before
// the field sees it; text composed by an input method is refused whole when any character of it
// is refused. Text that arrives any other way (a paste by key or by the context menu, a
// middle-click, a drop) is undone when what it adds breaks the rule. Text the program puts in (an
// opened reading) is taken as it is.
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
