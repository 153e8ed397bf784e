#include "files/chart_picture.h"

#include <gtest/gtest.h>

#include <QImageReader>

#include "test_folder.h"

namespace files {
namespace {

const QSize kDisplaySize(634, 467);

QImage ChartLikePicture() {
    return RenderPicture(kDisplaySize, [](QPainter& painter) {
        painter.fillRect(QRect(0, 0, 300, 200), Qt::red);
        painter.drawLine(0, 0, 633, 466);
    });
}

QString SaveIn(const TestFolder& folder, const QString& chosenName) {
    const SavedPicture saved = SaveChartPicture(folder.path(chosenName), ChartLikePicture());
    EXPECT_FALSE(saved.problem) << saved.problem->text.toStdString();
    return saved.path ? QFileInfo(*saved.path).fileName() : QString();
}

TEST(ChartPicture, TakenNamesGetTheNextNumber) {
    TestFolder folder;
    EXPECT_EQ(SaveIn(folder, QStringLiteral("chart")), QStringLiteral("chart.jpg"));
    EXPECT_EQ(SaveIn(folder, QStringLiteral("chart")), QStringLiteral("chart_001.jpg"));
    EXPECT_EQ(SaveIn(folder, QStringLiteral("chart.jpg")), QStringLiteral("chart_002.jpg"));
    EXPECT_EQ(folder.entries(),
              (QStringList{QStringLiteral("chart.jpg"), QStringLiteral("chart_001.jpg"),
                           QStringLiteral("chart_002.jpg")}));
}

TEST(ChartPicture, TheFileNameIsCutAtItsFirstDotAndTheFolderKeptWhole) {
    EXPECT_EQ(PictureNameFor(QStringLiteral("/home/asha/chart.bmp")).fileName,
              QStringLiteral("chart.jpg"));
    const PictureName name = PictureNameFor(QStringLiteral("/home/asha/my.charts/chart.v2.png"));
    EXPECT_EQ(name.folder, QStringLiteral("/home/asha/my.charts/"));
    EXPECT_EQ(name.fileName, QStringLiteral("chart.jpg"));
    EXPECT_EQ(PictureNameFor(QStringLiteral("chart")).folder, QString());

    TestFolder folder;
    ASSERT_TRUE(QDir(folder.path({})).mkdir(QStringLiteral("my.charts")));
    EXPECT_EQ(SaveIn(folder, QStringLiteral("my.charts/chart")), QStringLiteral("chart.jpg"));
    EXPECT_TRUE(QFileInfo::exists(folder.path(QStringLiteral("my.charts/chart.jpg"))));
}

TEST(ChartPicture, AnExistingBitmapBesideItIsUntouched) {
    TestFolder folder;
    const QByteArray bitmap = "someone's own bitmap";
    folder.write(QStringLiteral("chart.bmp"), bitmap);
    EXPECT_EQ(SaveIn(folder, QStringLiteral("chart.bmp")), QStringLiteral("chart.jpg"));
    EXPECT_EQ(folder.read(QStringLiteral("chart.bmp")), bitmap);
    EXPECT_EQ(folder.entries(),
              (QStringList{QStringLiteral("chart.bmp"), QStringLiteral("chart.jpg")}));
}

TEST(ChartPicture, AFolderOfThatNameIsTakenToo) {
    TestFolder folder;
    ASSERT_TRUE(QDir(folder.path({})).mkdir(QStringLiteral("chart.jpg")));
    EXPECT_EQ(SaveIn(folder, QStringLiteral("chart")), QStringLiteral("chart_001.jpg"));
}

TEST(ChartPicture, WithAllNineHundredNinetyNineCopiesTakenNothingIsSaved) {
    QStringList tried;
    const PictureTarget target = ChoosePictureTarget(
        QStringLiteral("/pictures"), QStringLiteral("chart.jpg"), [&tried](const QString& path) {
            tried << path;
            return true;
        });
    EXPECT_FALSE(target.path);
    ASSERT_TRUE(target.problem);
    EXPECT_EQ(target.problem->text,
              QStringLiteral("There are too many Copies of this file  chart.jpg"));
    EXPECT_EQ(target.problem->title, QStringLiteral(" UNABLE  TO  CREATE  NEW  FILEchart.jpg"));
    ASSERT_EQ(tried.size(), 1 + kMaxPictureCopies);
    EXPECT_EQ(tried.front(), QStringLiteral("/pictures/chart.jpg"));
    EXPECT_EQ(tried[1], QStringLiteral("/pictures/chart_001.jpg"));
    EXPECT_EQ(tried.back(), QStringLiteral("/pictures/chart_999.jpg"));

    const PictureTarget lastFree = ChoosePictureTarget(
        QStringLiteral("/pictures/"), QStringLiteral("chart.jpg"),
        [](const QString& path) { return !path.endsWith(QStringLiteral("_999.jpg")); });
    EXPECT_EQ(lastFree.path, QStringLiteral("/pictures/chart_999.jpg"));
}

TEST(ChartPicture, IsAJpegOfTheDisplaysSize) {
    TestFolder folder;
    ASSERT_EQ(SaveIn(folder, QStringLiteral("chart")), QStringLiteral("chart.jpg"));
    QImageReader reader(folder.path(QStringLiteral("chart.jpg")));
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), kDisplaySize);
    const QColor inside = image.pixelColor(150, 100);
    const QColor outside = image.pixelColor(500, 100);
    EXPECT_GT(inside.red(), 240);
    EXPECT_LT(inside.green(), 15);
    EXPECT_GT(outside.lightness(), 240);
}

}  // namespace
}  // namespace files
