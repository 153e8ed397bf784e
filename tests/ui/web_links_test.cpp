// The vendor's pages behind the menus, labels, logo and toolbar of both windows, the About box,
// and the latitude-and-longitude finder.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QUrlQuery>

#include "form_driver.h"
#include "links/about_box.h"
#include "links/link_label.h"
#include "links/vendor_pages.h"
#include "ui/chart/chart_painter.h"

namespace {

using PageLinks = std::vector<std::pair<const char*, std::string_view>>;

// Each entry the window's table lists, by object name, with the page it opens.
const PageLinks kFormLinks{
    {"mnuOnline", links::kHelpPage},
    {"mnuVisit", links::kHomePage},
    {"mnuUpdate", links::kDownloadPage},
    {"mnuDonate", links::kDonatePage},
    {"mnuMakeMoney", links::kFullyBrandedPage},
    {"Label8", links::kHomePage},
    {"lblFullBrand", links::kFullyBrandedPage},
    {"lblCobrand", links::kCoBrandPage},
};
const PageLinks kChartWindowLinks{
    {"mnuOnline", links::kHelpPage},
    {"mnuVisit", links::kHomePage},
    {"mnuUpdate", links::kDownloadPage},
    {"mnuDonate", links::kDonatePage},
    {"mnuMakeMoney", links::kFullyBrandedPage},
    {"tbHelp", links::kHelpPage},
    {"lblURL", links::kHomePage},
    {"Label1", links::kHomePage},
    {"lblFullBrand", links::kFullyBrandedPage},
    {"lblCobrand", links::kCoBrandPage},
};

// Chooses a menu entry or toolbar button, or clicks a label, the way a user would.
void Activate(QWidget& window, const char* name) {
    if (auto* action = window.findChild<QAction*>(QString::fromLatin1(name))) {
        action->trigger();
    } else if (auto* label = window.findChild<links::LinkLabel*>(QString::fromLatin1(name))) {
        QTest::mouseClick(label, Qt::LeftButton);
    } else {
        ADD_FAILURE() << "no " << name;
    }
}

class WebLinks : public testing::Test {
  protected:
    void expectPages(QWidget& window, const PageLinks& table) {
        for (const auto& [name, key] : table) {
            driver.dialogs.pages.clear();
            Activate(window, name);
            EXPECT_EQ(driver.dialogs.pages, std::vector<QUrl>{links::VendorPageUrl(key)}) << name;
        }
    }

    void showChart() {
        driver.enter(reading::SampleBirthForm());
        driver.clickCalculate();
        ASSERT_TRUE(driver.chartShown());
    }

    // Runs the About box: checks that it is the modal window, clicks its two links, then OK.
    void answerAboutBox() {
        driver.dialogs.modalAnswer = [this](QDialog& box) {
            QTimer::singleShot(0, [this, &box] {
                shownModally = QApplication::activeModalWidget() == &box && box.isVisible();
                auto* about = qobject_cast<links::frmAbout*>(&box);
                ASSERT_NE(about, nullptr);
                QTest::mouseClick(about->lblHomePage, Qt::LeftButton);
                QTest::mouseClick(about->lblCoBrand, Qt::LeftButton);
                QTest::mouseClick(about->cmdOK, Qt::LeftButton);
            });
            return box.exec();
        };
    }

    void expectAboutBoxShownAndClosed(QWidget& window) {
        driver.dialogs.pages.clear();
        answerAboutBox();
        window.findChild<QAction*>("mnuAbout")->trigger();
        EXPECT_EQ(driver.dialogs.modalWindows, std::vector<QString>{"frmAbout"});
        EXPECT_TRUE(shownModally);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "OK closed it";
        EXPECT_EQ(driver.dialogs.pages,
                  (std::vector<QUrl>{links::VendorPageUrl(links::kHomePage),
                                     links::VendorPageUrl(links::kFullyBrandedPage)}));
    }

    ProgramDriver driver;
    bool shownModally = false;
};

TEST_F(WebLinks, EveryLinkOfTheFormOpensItsPage) {
    expectPages(driver.form(), kFormLinks);
}

TEST_F(WebLinks, EveryLinkOfTheChartWindowAndTheLogoOpensItsPage) {
    showChart();
    expectPages(*driver.chart(), kChartWindowLinks);

    driver.dialogs.pages.clear();
    ui::ChartDisplay* display = driver.chart()->display();
    const QPointF logo = display->drawingTransform().map(ui::ChartLogoArea().center());
    QTest::mouseClick(display, Qt::LeftButton, {}, logo.toPoint());
    QTest::mouseClick(display, Qt::LeftButton, {}, QPoint(600, 500));  // not the logo
    EXPECT_EQ(driver.dialogs.pages, std::vector<QUrl>{links::VendorPageUrl(links::kHomePage)});
}

TEST_F(WebLinks, TheFormsAboutBoxIsModalAndClosesWithOk) {
    expectAboutBoxShownAndClosed(driver.form());
    EXPECT_TRUE(driver.form().isVisible());
}

TEST_F(WebLinks, TheChartWindowsAboutBoxIsModalAndClosesWithOk) {
    showChart();
    expectAboutBoxShownAndClosed(*driver.chart());
    EXPECT_TRUE(driver.chartShown());
}

TEST_F(WebLinks, TheFinderAsksForCityStateAndCountryInTurn) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"txtCity", "Please Enter City", "txtCity"},
        {"txtState", "Please Enter State", "txtState"},
        {"txtCountry", "Please Enter Country", "txtCountry"},
    };
    for (const auto& [emptied, message, focused] : cases) {
        driver.enter(reading::SampleBirthForm());
        driver.field(emptied)->clear();
        if (std::string_view(emptied) == "txtCity") {
            driver.field("txtState")->clear();  // only the first missing one is named
        }
        driver.field("txtName")->setFocus();
        QTest::mouseClick(driver.formChild<QAbstractButton>("Command1"), Qt::LeftButton);
        EXPECT_EQ(driver.lastMessage(), message);
        EXPECT_EQ(driver.dialogs.messages.back().kind, ui::MessageKind::kError);
        EXPECT_EQ(driver.form().focusWidget(), driver.field(focused)) << emptied;
    }
    EXPECT_EQ(driver.dialogs.messages.size(), 3u);
    EXPECT_TRUE(driver.dialogs.pages.empty());
}

TEST_F(WebLinks, TheFinderSearchesTheWebForAPlaceTheAtlasLacksAndLeavesTheFormAsItWas) {
    reading::FormValues values = reading::SampleBirthForm();
    values.city = "Nowhereville ";
    values.latitudeDegrees = "";
    driver.enter(values);
    QTest::mouseClick(driver.formChild<QAbstractButton>("Command1"), Qt::LeftButton);
    EXPECT_TRUE(driver.dialogs.messages.empty()) << driver.lastMessage();
    ASSERT_EQ(driver.dialogs.pages.size(), 1u);
    const QUrl& search = driver.dialogs.pages[0];
    EXPECT_EQ(search.scheme(), "https");
    EXPECT_EQ(search.host(), "duckduckgo.com");
    EXPECT_EQ(QUrlQuery(search).queryItemValue("q", QUrl::FullyDecoded),
              "Nowhereville  Delhi India Latitude Longitude");
    EXPECT_EQ(driver.form().values(), values);
    EXPECT_FALSE(driver.chartShown());
}

TEST_F(WebLinks, WithoutABrowserEachLinkSaysSoWithItsAddress) {
    driver.dialogs.browserAvailable = false;
    const auto expectToldAbout = [this](const QUrl& address, const char* link) {
        ASSERT_EQ(driver.dialogs.pages.size(), 1u) << link;
        EXPECT_EQ(driver.dialogs.pages[0], address) << link;
        ASSERT_EQ(driver.dialogs.messages.size(), 1u) << link;
        EXPECT_EQ(driver.dialogs.messages[0].text, ui::NoBrowserMessage(address)) << link;
        EXPECT_TRUE(driver.dialogs.messages[0].text.endsWith(address.toDisplayString())) << link;
        driver.dialogs.pages.clear();
        driver.dialogs.messages.clear();
    };

    Activate(driver.form(), "mnuOnline");
    expectToldAbout(links::VendorPageUrl(links::kHelpPage), "help");
    Activate(driver.form(), "mnuUpdate");
    expectToldAbout(links::VendorPageUrl(links::kDownloadPage), "update check");

    reading::FormValues values = reading::SampleBirthForm();
    values.city = "Nowhereville";
    driver.enter(values);
    QTest::mouseClick(driver.formChild<QAbstractButton>("Command1"), Qt::LeftButton);
    ASSERT_EQ(driver.dialogs.pages.size(), 1u);
    expectToldAbout(driver.dialogs.pages[0], "web place search");

    showChart();
    Activate(*driver.chart(), "tbHelp");
    expectToldAbout(links::VendorPageUrl(links::kHelpPage), "toolbar help");
}

}  // namespace
