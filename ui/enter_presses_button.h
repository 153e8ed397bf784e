#pragma once

class QWidget;

namespace ui {

// Lets Return and Enter press whichever push button of window has the focus, as Space does, so
// that a form can be filled and sent with Tab and Enter alone. Keys in other controls are left
// alone: Enter in a text field or a list presses nothing behind the user's back.
void PressButtonsOnEnter(QWidget* window);

}  // namespace ui
