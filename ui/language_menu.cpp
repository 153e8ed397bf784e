#include "ui/language_menu.h"

#include <QActionGroup>
#include <QEvent>

#include "ui/language.h"

namespace ui {

LanguageMenu::LanguageMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("mnuLanguage"));
    setTitle(tr("&Language"));
    auto* choices = new QActionGroup(this);
    for (const Language language : kLanguages) {
        QAction* entry = addAction(OwnName(language));
        entry->setObjectName(QStringLiteral("mnuLanguage_") + LanguageCode(language));
        entry->setCheckable(true);
        entry->setData(static_cast<int>(language));
        choices->addAction(entry);
        connect(entry, &QAction::triggered, this, [language] {
            RememberLanguage(language);
            if (language != CurrentLanguage()) {
                ApplyLanguage(language);
            }
        });
    }
    showChoice();
    // Another window may have changed the language since.
    connect(this, &QMenu::aboutToShow, this, &LanguageMenu::showChoice);
}

void LanguageMenu::showChoice() {
    for (QAction* entry : actions()) {
        entry->setChecked(entry->data().toInt() == static_cast<int>(CurrentLanguage()));
    }
}

void LanguageMenu::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        setTitle(tr("&Language"));
        showChoice();
    }
    QMenu::changeEvent(event);
}

}  // namespace ui
