#pragma once

#include <QObject>
#include <optional>

class QKeyEvent;

namespace ui {

class UserDialogs;

enum class FieldKind {
    kLetters,  // name, city, state, country
    kDigits,   // degrees and minutes
};

// Whether a field of the kind takes a character: letters A to Z and a to z, the space, the
// backspace (8) and 127 in letter fields; digits, 8 and 127 in number fields.
bool AcceptsCharacter(FieldKind kind, char32_t code);

// The character a key press gives the field, or nothing when it gives none (arrows, Delete, the
// focus keys). Control with a letter gives its control code, so the copy and paste shortcuts
// count as characters (Ctrl+V gives 22); a paste shortcut without a letter counts as Ctrl+V.
std::optional<char32_t> CharacterOf(const QKeyEvent& event);

// Refuses, before the field sees it, every character its kind does not take, with the message
// "Please enter only letters" or "Please enter only numbers"; a letter field gets the focus back.
// Text composed by an input method is refused whole when any character of it is refused.
class KeyFilter : public QObject {
    Q_OBJECT

  public:
    KeyFilter(FieldKind kind, UserDialogs& dialogs, QObject* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refuse(QObject* field);

    FieldKind kind_;
    UserDialogs& dialogs_;
};

}  // namespace ui
