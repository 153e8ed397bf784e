// Access keys: within each window, and within each menu, no two entries share a letter, so that
// Alt and a letter always does one thing.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMenu>
#include <QMenuBar>

#include "chart_fixture.h"
#include "ui/dasha_window.h"

namespace {

// The letter after a single "&", upper case; none for captions without one ("&&" shows "&").
QString AccessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (caption[i + 1] != '&') {
                return caption[i + 1].toUpper();
            }
            ++i;
        }
    }
    return {};
}

// Captions that share an access key, as "P: Save As &PDF, &Print".
QStringList Clashes(const QStringList& captions) {
    QMap<QString, QStringList> byKey;
    for (const QString& caption : captions) {
        if (const QString key = AccessKey(caption); !key.isEmpty()) {
            byKey[key] << caption;
        }
    }
    QStringList clashes;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        if (it.value().size() > 1) {
            clashes << it.key() + ": " + it.value().join(", ");
        }
    }
    return clashes;
}

// The window's own level (menu titles and buttons) and each of its menus, visible entries only.
void ExpectUniqueAccessKeys(QWidget* window) {
    QStringList windowLevel;
    if (auto* bar = window->findChild<QMenuBar*>()) {
        for (QAction* title : bar->actions()) {
            windowLevel << title->text();
            QStringList entries;
            for (QAction* entry : title->menu()->actions()) {
                if (entry->isVisible() && !entry->isSeparator()) {
                    entries << entry->text();
                }
            }
            EXPECT_EQ(Clashes(entries), QStringList()) << title->text();
        }
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->window() == window && !button->text().isEmpty()) {
            windowLevel << button->text();
        }
    }
    EXPECT_EQ(Clashes(windowLevel), QStringList()) << window->objectName();
}

class AccessKeys : public DelhiChartTest {};

TEST_F(AccessKeys, AreUniqueInEveryWindowAndMenu) {
    ExpectUniqueAccessKeys(&driver.form());
    ExpectUniqueAccessKeys(driver.chart());
    chooseMenu("mnuDasha");
    ASSERT_NE(driver.chart()->dashaWindow(), nullptr);
    ExpectUniqueAccessKeys(driver.chart()->dashaWindow());
    EXPECT_EQ(Clashes({"Save As &PDF", "&Print", "E&xit"}), QStringList{"P: Save As &PDF, &Print"});
}

}  // namespace
