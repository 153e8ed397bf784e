#include "links/about_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "links/link_label.h"
#include "url_catcher.h"

namespace links {
namespace {

TEST(AboutBox, ShowsTheProgramsTextsAndTwoRules) {
    const frmAbout box;
    EXPECT_EQ(box.windowTitle(),
              QStringLiteral("Velmora Astrology Rashi Chart (East Indian Style) v1.70"));
    EXPECT_TRUE(box.isModal());
    QStringList texts;
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        texts << label->text();
    }
    const QString all = texts.join('\n');
    EXPECT_TRUE(texts.contains(box.windowTitle()));
    EXPECT_TRUE(all.contains(QStringLiteral(
        "Velmora Rashi Chart (East Indian Style) Software shows your Rashi Chart (East Indian "
        "version) thereby giving the precise astronomical positions of planets during the time "
        "your birth.")));
    // The licence and its holder, as the package's copyright file states them.
    EXPECT_TRUE(all.contains(QStringLiteral("Copyright (C) 2026 Velmora Astrology. ")));
    EXPECT_TRUE(all.contains(QStringLiteral(
        "GNU General Public License, version 3 or (at your option) any later version")));
    EXPECT_FALSE(all.contains(QStringLiteral("All rights")));
    for (const char* feature : {"Navamsa", "Vimshottari dasha", "atlas", "zoom", "PDF", "SVG"}) {
        EXPECT_TRUE(all.contains(QString::fromLatin1(feature))) << feature;
    }
    EXPECT_TRUE(all.contains(QStringLiteral(
        "Home Business Opportunity. Start your own Internet business and make money online. Get "
        "this software fully branded for your website.")));
    EXPECT_TRUE(
        all.contains(QStringLiteral("GeoNames (www.geonames.org), licensed under Creative "
                                    "Commons Attribution 4.0 (CC BY 4.0)")));
    EXPECT_EQ(box.lblHomePage->text(),
              QStringLiteral("Click here to visit www.velmora-astrology.example"));
    EXPECT_EQ(box.lblCoBrand->text(), QStringLiteral("Click here for more details"));
    EXPECT_EQ(box.cmdOK->text(), QStringLiteral("OK"));
    int rules = 0;
    for (const QFrame* frame : box.findChildren<QFrame*>()) {
        rules += frame->frameShape() == QFrame::HLine ? 1 : 0;
    }
    EXPECT_EQ(rules, 2);
    EXPECT_GE(box.width(), 488);   // 7320 twips
    EXPECT_GE(box.height(), 251);  // 3765 twips
}

TEST(AboutBox, LinksOpenTheirPages) {
    QList<QUrl> opened;
    frmAbout box(nullptr, [&opened](const QUrl& address) { opened << address; });
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QTest::mouseClick(box.lblHomePage, Qt::LeftButton);
    QTest::mouseClick(box.lblCoBrand, Qt::LeftButton);
    QTest::mouseClick(box.lblCoBrand, Qt::RightButton);
    EXPECT_EQ(opened, (QList<QUrl>{VendorPageUrl(kHomePage), VendorPageUrl(kFullyBrandedPage)}));
}

TEST(AboutBox, TheDefaultLinksReachTheBrowser) {
    const UrlCatcher catcher;
    frmAbout box;
    QTest::mouseClick(box.lblHomePage, Qt::LeftButton);
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.front(), VendorPageUrl(kHomePage));
}

TEST(AboutBox, OpensModallyAndClosesWithOk) {
    bool wasModal = false;
    QTimer::singleShot(0, [&wasModal] {
        auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        wasModal = box->isVisible();
        QTest::mouseClick(box->cmdOK, Qt::LeftButton);
    });
    ShowAboutBox(nullptr, [](const QUrl&) {});
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(AboutBox, EnterClosesItAtOnceAndFollowsNoLink) {
    QList<QUrl> opened;
    frmAbout box(nullptr, [&opened](const QUrl& address) { opened << address; });
    bool okFirst = false;
    QTimer::singleShot(0, [&box, &okFirst] {
        QWidget* first = box.focusWidget();
        okFirst = first == box.cmdOK && box.cmdOK->isDefault();
        QTest::keyClick(first != nullptr ? first : &box, Qt::Key_Return);
    });
    // Should Enter not close it, the test must still end.
    QTimer::singleShot(2000, &box, &QDialog::reject);
    EXPECT_EQ(box.exec(), QDialog::Accepted);
    EXPECT_TRUE(okFirst) << "OK is the default button and has the focus";
    EXPECT_TRUE(opened.isEmpty());
}

TEST(LinkLabel, ShowsAFocusFrameWhenTabbedTo) {
    QWidget window;
    auto* before = new QPushButton(QStringLiteral("before"), &window);
    auto* label = new LinkLabel(QStringLiteral("Click here for more details"), &window);
    label->move(0, 40);
    label->resize(label->sizeHint() + QSize(8, 8));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    const QImage unfocused = label->grab().toImage();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(label->hasFocus());
    EXPECT_NE(label->grab().toImage(), unfocused);
}

TEST(LinkLabel, SpaceAndEnterActivateItToo) {
    LinkLabel label(QStringLiteral("link"));
    int clicks = 0;
    QObject::connect(&label, &LinkLabel::clicked, [&clicks] { ++clicks; });
    QTest::keyClick(&label, Qt::Key_Space);
    QTest::keyClick(&label, Qt::Key_Return);
    QTest::keyClick(&label, Qt::Key_A);
    EXPECT_EQ(clicks, 2);
}

}  // namespace
}  // namespace links
