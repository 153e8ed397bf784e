#pragma once

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace ui {

// The Copy, Save As CSV and Close buttons under a table window's table, right-aligned in their
// row. Each window gives them its own texts and connects them.
struct TableButtons {
    QPushButton* copy = nullptr;
    QPushButton* saveCsv = nullptr;
    QPushButton* close = nullptr;
    QHBoxLayout* row = nullptr;  // to be added to the window's layout
};

// Makes the buttons as children of window, reached by Tab after table. Enter in the table must not
// press a button behind the user's back; Enter on a button presses that button.
TableButtons MakeTableButtons(QWidget* window, QWidget* table);

}  // namespace ui
