#include "ui/key_filter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

#include "ui/user_dialogs.h"

namespace ui {

namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kDeleteCode = 127;

// The letters of Latin-1, which the reading file and the report can hold: A to Z and a to z,
// the accented letters (é, ñ, ö, ß, ÿ …) and ª, µ, º; not the signs × and ÷.
bool IsLatin1Letter(char32_t code) {
    return code <= 0xFF && QChar::isLetter(code);
}

// Names are written with these too: "Jean-Luc", "O'Brien", "Dr. Rao", "St. John's".
bool IsNamePunctuation(char32_t code) {
    return code == U'-' || code == U'\'' || code == U'.';
}

bool IsAsciiDigit(char32_t code) {
    return code >= U'0' && code <= U'9';
}

bool HoldsCharacter(FieldKind kind, char32_t code) {
    if (kind == FieldKind::kLetters) {
        return IsLatin1Letter(code) || IsNamePunctuation(code) || code == U' ';
    }
    return IsAsciiDigit(code);
}

// The editing keys every text field knows: they move text within the field or between fields,
// and what they bring in is checked like any pasted text.
bool IsEditingShortcut(const QKeyEvent& event) {
    for (const QKeySequence::StandardKey key :
         {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
          QKeySequence::Undo, QKeySequence::Redo}) {
        if (event.matches(key)) {
            return true;
        }
    }
    return false;
}

// How many characters two texts share at their start.
qsizetype CommonStart(const QString& a, const QString& b) {
    qsizetype start = 0;
    while (start < a.size() && start < b.size() && a[start] == b[start]) {
        ++start;
    }
    return start;
}

// The text that turned before into after: what lies between their common start and end.
QString AddedText(const QString& before, const QString& after) {
    const qsizetype start = CommonStart(before, after);
    qsizetype end = 0;
    while (end < before.size() - start && end < after.size() - start &&
           before[before.size() - 1 - end] == after[after.size() - 1 - end]) {
        ++end;
    }
    return after.mid(start, after.size() - start - end);
}

}  // namespace

bool AcceptsCharacter(FieldKind kind, char32_t code) {
    return code == kBackspace || code == kDeleteCode || HoldsCharacter(kind, code);
}

bool HoldsText(FieldKind kind, const QString& text) {
    for (const char32_t code : text.toUcs4()) {
        if (!HoldsCharacter(kind, code)) {
            return false;
        }
    }
    return true;
}

std::optional<char32_t> CharacterOf(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete) {
        return std::nullopt;
    }
    if (IsEditingShortcut(event)) {
        return std::nullopt;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && key >= Qt::Key_A &&
        key <= Qt::Key_Z) {
        return static_cast<char32_t>(key - Qt::Key_A + 1);
    }
    const QList<uint> text = event.text().toUcs4();
    if (!text.isEmpty()) {
        return static_cast<char32_t>(text.constFirst());
    }
    return std::nullopt;
}

KeyFilter::KeyFilter(FieldKind kind, UserDialogs& dialogs, QLineEdit* field)
    : QObject(field), kind_(kind), dialogs_(dialogs), field_(field), accepted_(field->text()) {
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, &KeyFilter::checkEdit);
    // Follows every change that stands, the program's own included. An undone edit still
    // announces its refused text afterwards; the field no longer holds it then.
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text == field_->text()) {
            accepted_ = text;
        }
    });
}

void KeyFilter::checkEdit(const QString& text) {
    const QString before = accepted_;
    const QString added = AddedText(before, text);
    if (HoldsText(kind_, added)) {
        return;
    }
    // Put the text back as it was, with the cursor where the refused text went in.
    field_->setText(before);
    field_->setCursorPosition(static_cast<int>(CommonStart(before, text)));
    refuse();
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto code = CharacterOf(*static_cast<QKeyEvent*>(event));
        if (code && !AcceptsCharacter(kind_, *code)) {
            refuse();
            return true;
        }
    } else if (event->type() == QEvent::InputMethod) {
        const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
        for (const uint code : commit.toUcs4()) {
            if (!AcceptsCharacter(kind_, static_cast<char32_t>(code))) {
                refuse();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void KeyFilter::refuse() {
    if (kind_ == FieldKind::kLetters) {
        dialogs_.showMessage(field_, tr("Please enter only letters"), MessageKind::kError);
        field_->setFocus();
    } else {
        dialogs_.showMessage(field_, tr("Please enter only numbers"), MessageKind::kError);
    }
}

}  // namespace ui
