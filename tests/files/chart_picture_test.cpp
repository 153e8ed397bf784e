#include "files/chart_picture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>

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

QByteArray QtWriterJpeg(const QImage& image) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(100);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return jpeg;
}

QImage Noise(QSize size, int dotsPerMeter) {
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(size.width());
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, random.generate() | 0xff000000u);
        }
    }
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter + 100);
    return image;
}

// The picture is encoded by libjpeg straight from its pixels; the file must stay byte for byte
// the one Qt's JPEG writer made, whatever the picture's size, content and resolution.
TEST(ChartPicture, TheJpegIsTheOneQtsWriterMakes) {
    QImage withText = ChartLikePicture();
    withText.setText(QStringLiteral("Title"), QStringLiteral("Asha Rao"));
    const QImage pictures[] = {
        ChartLikePicture(),
        Noise(QSize(1000, 543), 3780),
        Noise(QSize(17, 9), 2835),
        Noise(QSize(1, 1), 1000),
        ChartLikePicture().convertToFormat(QImage::Format_RGB888),
        ChartLikePicture().convertToFormat(QImage::Format_Grayscale8),
        withText,
    };
    // Noise takes more than a byte a pixel, more than the JPEG is first given.
    QString noiseError;
    EXPECT_GT(EncodeJpeg(pictures[1], &noiseError).value_or(QByteArray()).size(), 1000 * 543);
    for (const QImage& picture : pictures) {
        QString error;
        const std::optional<QByteArray> jpeg = EncodeJpeg(picture, &error);
        ASSERT_TRUE(jpeg) << error.toStdString();
        EXPECT_EQ(*jpeg, QtWriterJpeg(picture))
            << picture.width() << " x " << picture.height() << ", format " << picture.format();
    }
}

// libjpeg refuses a picture wider than a JPEG can be; the reason reaches the user.
TEST(ChartPicture, APictureTooWideForAJpegIsRefusedWithTheReason) {
    const QImage tooWide(70000, 1, QImage::Format_RGB32);
    QString error;
    EXPECT_FALSE(EncodeJpeg(tooWide, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("65500"))) << error.toStdString();

    TestFolder folder;
    const SavedPicture saved = SaveChartPicture(folder.path(QStringLiteral("chart")), tooWide);
    EXPECT_FALSE(saved.path);
    ASSERT_TRUE(saved.problem);
    EXPECT_TRUE(saved.problem->text.contains(QStringLiteral("could not be saved")));
    EXPECT_EQ(folder.entries(), QStringList());
}

}  // namespace
}  // namespace files
