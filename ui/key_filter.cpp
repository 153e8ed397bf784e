#include "ui/key_filter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

#include "ui/user_dialogs.h"

namespace ui {

namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kDeleteCode = 127;
constexpr char32_t kPasteCode = 22;  // Ctrl+V

bool IsAsciiLetter(char32_t code) {
    return (code >= U'A' && code <= U'Z') || (code >= U'a' && code <= U'z');
}

bool IsAsciiDigit(char32_t code) {
    return code >= U'0' && code <= U'9';
}

}  // namespace

bool AcceptsCharacter(FieldKind kind, char32_t code) {
    if (code == kBackspace || code == kDeleteCode) {
        return true;
    }
    if (kind == FieldKind::kLetters) {
        return IsAsciiLetter(code) || code == U' ';
    }
    return IsAsciiDigit(code);
}

std::optional<char32_t> CharacterOf(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete) {
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
    if (event.matches(QKeySequence::Paste)) {
        return kPasteCode;
    }
    return std::nullopt;
}

KeyFilter::KeyFilter(FieldKind kind, UserDialogs& dialogs, QObject* parent)
    : QObject(parent), kind_(kind), dialogs_(dialogs) {}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto code = CharacterOf(*static_cast<QKeyEvent*>(event));
        if (code && !AcceptsCharacter(kind_, *code)) {
            refuse(watched);
            return true;
        }
    } else if (event->type() == QEvent::InputMethod) {
        const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
        for (const uint code : commit.toUcs4()) {
            if (!AcceptsCharacter(kind_, static_cast<char32_t>(code))) {
                refuse(watched);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void KeyFilter::refuse(QObject* field) {
    auto* widget = qobject_cast<QWidget*>(field);
    if (kind_ == FieldKind::kLetters) {
        dialogs_.showMessage(widget, QStringLiteral("Please enter only letters"),
                             MessageKind::kError);
        if (widget != nullptr) {
            widget->setFocus();
        }
    } else {
        dialogs_.showMessage(widget, QStringLiteral("Please enter only numbers"),
                             MessageKind::kError);
    }
}

}  // namespace ui
