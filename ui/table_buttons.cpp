#include "ui/table_buttons.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "ui/enter_presses_button.h"

namespace ui {

TableButtons MakeTableButtons(QWidget* window, QWidget* table) {
    TableButtons buttons;
    const auto make = [window](const char* name) {
        auto* button = new QPushButton(window);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        return button;
    };
    buttons.copy = make("cmdCopy");
    buttons.saveCsv = make("cmdSaveCsv");
    buttons.close = make("cmdClose");
    PressButtonsOnEnter(window);

    buttons.row = new QHBoxLayout;
    buttons.row->addStretch(1);
    buttons.row->addWidget(buttons.copy);
    buttons.row->addWidget(buttons.saveCsv);
    buttons.row->addWidget(buttons.close);
    QWidget::setTabOrder(table, buttons.copy);
    QWidget::setTabOrder(buttons.copy, buttons.saveCsv);
    QWidget::setTabOrder(buttons.saveCsv, buttons.close);
    return buttons;
}

}  // namespace ui
