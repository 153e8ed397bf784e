#include "ui/enter_presses_button.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace ui {

namespace {

class EnterFilter : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
            auto* button = qobject_cast<QPushButton*>(watched);
            if (button != nullptr && plain && !key.isAutoRepeat() && button->isEnabled() &&
                (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
                button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void PressButtonsOnEnter(QWidget* window) {
    auto* filter = new EnterFilter(window);
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        button->installEventFilter(filter);
    }
}

}  // namespace ui
