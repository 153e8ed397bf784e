// The chart display's texts, and the one drawing that serves screen, pictures and paper.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "fake_dialogs.h"
#include "ui/chart/chart_display_content.h"
#include "ui/chart/chart_painter.h"
#include "ui/chart_display.h"
#include "ui/program_texts.h"

namespace {

reading::BirthData MidnightBirth() {
    reading::BirthData birth;
    birth.name = " Ravi  K ";
    birth.day = 7;
    birth.month = 3;
    birth.year = 1985;
    birth.hour = 0;
    birth.minute = 0;
    birth.latitudeDegrees = 12;
    birth.latitudeMinutes = 5;
    birth.longitudeDegrees = 80;
    birth.longitudeMinutes = 0;
    birth.city = "Chennai";
    birth.state = "Tamil Nadu";
    birth.country = "India";
    return birth;
}

reading::ChartReading SomeReading() {
    reading::ChartReading reading;
    reading.planetLabels = {"Surya",      "Chandra", "Budha", "Shukra",    "Mangala",  "Guru",
                            "Shani (R) ", "Rahu",    "Ketu",  "Ascendant", "Midheaven"};
    reading.planetPositions = {"22 Aqu 10", "03 Ari 44", "10 Pis 02", "20 Pis 41",
                               "01 Ari 19", "15 Cap 00", "04 Sco 33", "20 Ari 07",
                               "20 Lib 07", "11 Tau 30", "01 Cap 12"};
    reading.lagnaSign = "Tau";
    reading.lagnaName = "Vrishabha";
    reading.ayanamsaText = "23° 39' 2\"";
    reading.nakshatra = "Aswini";
    reading.rashi = "Mesha";
    reading.pada = "2";
    reading.nakshatraLord = "Ketu";
    return reading;
}

TEST(FillDisplay, PutsEveryTextInItsPlace) {
    const ui::ChartDisplayContent content =
        ui::FillDisplay(MidnightBirth(), SomeReading(), "March");
    EXPECT_EQ(content.detailValues, (std::array<std::string, 6>{"23° 39' 2\"", "Vrishabha",
                                                                "Aswini", "Mesha", "2", "Ketu"}));
    EXPECT_EQ(content.planetPositions[0], "22 Aqu 10");
    EXPECT_EQ(content.planetPositions[8], "20 Lib 07");
    EXPECT_EQ(content.boxTextsOf(ui::ChartKind::kRashi)[0], "Chandra\r\nMangala\r\nRahu");
    EXPECT_EQ(content.boxTextsOf(ui::ChartKind::kRashi)[1], "Asc");
    EXPECT_EQ(content.boxTextsOf(ui::ChartKind::kRashi)[7], "Shani (R) ");
    EXPECT_EQ(content.boxTextsOf(ui::ChartKind::kRashi)[11], "Budha\r\nShukra");
    EXPECT_EQ(content.birthLines,
              (std::array<std::string, 8>{
                  "Name:  Ravi  K ", "City: Chennai", "State: Tamil Nadu", "Country: India",
                  "Date of Birth: March 7, 1985", "Time of Birth: 0 Hour 0 Minute",
                  "Latitude: 12 Degree 5 Minute", "Longitude: 80 Degree 0 Minute"}));
}

TEST(FillDisplay, MonthNamesFollowTheUsersLanguage) {
    EXPECT_EQ(ui::MonthNameForUser(3), "March");  // the tests run in English
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ui::MonthNameForUser(3), "März");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

QImage Paint(const ui::ChartDisplayContent& content,
             const QPalette& palette = QGuiApplication::palette()) {
    QImage image(ui::kChartDisplaySize, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    ui::PaintChartDisplay(painter, content, palette);
    return image;
}

// Dark pixels in the area; lines drawn smooth are lighter than text.
bool HasInk(const QImage& image, const QRect& area, int darkerThan = 80) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < darkerThan) {
                return true;
            }
        }
    }
    return false;
}

TEST(PaintChartDisplay, DrawsTheChartInItsColourWithTheBoxTexts) {
    const QImage image = Paint(ui::FillDisplay(MidnightBirth(), SomeReading(), "March"));
    // White around the chart, the chart colour inside it (chart at 88, 120, about 353 square).
    EXPECT_EQ(image.pixel(40, 300), qRgb(255, 255, 255));
    // The centre square holds only the chart's name, in its middle.
    EXPECT_EQ(image.pixel(264, 250), ui::kChartColour);
    EXPECT_FALSE(HasInk(image, QRect(215, 247, 95, 35)));
    EXPECT_TRUE(HasInk(image, QRect(215, 285, 95, 20)));
    EXPECT_FALSE(HasInk(image, QRect(215, 310, 95, 35)));
    // Square edges and a diagonal.
    EXPECT_EQ(qGray(image.pixel(205, 180)), 0);
    EXPECT_TRUE(HasInk(image, QRect(144, 176, 3, 3), 160));
    // Text where the Aries box (top middle) and the Scorpio box begin, none in empty Gemini.
    EXPECT_TRUE(HasInk(image, QRect(217, 121, 40, 12)));
    EXPECT_TRUE(HasInk(image, QRect(329, 409, 40, 12)));
    EXPECT_FALSE(HasInk(image, QRect(97, 175, 30, 40)));
}

TEST(PaintChartDisplay, ChartDisplayWidgetShowsTheSameDrawing) {
    const ui::ChartDisplayContent content =
        ui::FillDisplay(MidnightBirth(), SomeReading(), "March");
    ui::ChartDisplay display(content);
    EXPECT_EQ(display.size(), ui::kChartDisplaySize);
    EXPECT_EQ(display.picture(), Paint(content));
    EXPECT_TRUE(display.accessibleDescription().contains("Name:  Ravi  K "));
    // The picture is kept between requests, but not past a change of palette.
    QPalette palette = display.palette();
    palette.setColor(QPalette::Window, Qt::yellow);
    display.setPalette(palette);
    EXPECT_EQ(display.picture(), Paint(content, palette));
    EXPECT_NE(display.picture(), Paint(content));
}

TEST(PaintChartDisplay, APageHoldsRealTextNotAPicture) {
    const QString pdfToText = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdfToText.isEmpty()) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("chart.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QSizeF(10.5, 6), QPageSize::Inch));
        writer.setPageMargins(QMarginsF());
        QPainter painter(&writer);
        painter.scale(1200.0 / 96, 1200.0 / 96);
        ui::PaintChartDisplay(painter, ui::FillDisplay(MidnightBirth(), SomeReading(), "March"));
    }
    QProcess convert;
    convert.start(pdfToText, {pdf, QStringLiteral("-")});
    ASSERT_TRUE(convert.waitForFinished(20000));
    const QString text = QString::fromUtf8(convert.readAllStandardOutput());
    for (const char* expected :
         {"Vedic Planetary Position", "Other Vedic Details", "Date of Birth: March 7, 1985",
          "Shani (R)", "Vrishabha", "Rahu / North Node", "20 Lib 07", "Chandra", "Rashi Chart"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
}

TEST(PaintChartDisplay, LongTextIsCutShortInsideItsCell) {
    reading::BirthData birth = MidnightBirth();
    birth.name = std::string(300, 'W');
    const QImage image = Paint(ui::FillDisplay(birth, SomeReading(), "March"));
    EXPECT_FALSE(HasInk(image, QRect(996, 120, 4, 14)));
}

}  // namespace
