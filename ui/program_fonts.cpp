#include "ui/program_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainterPath>
#include <array>

namespace ui {

namespace {

constexpr double kLogicalDotsPerInch = 96.0;
constexpr double kSizeStep = 0.25;  // points

// The shipped faces: DejaVu Sans for Latin letters and signs, then the Noto faces for the Indian
// scripts, which DejaVu lacks. A font asks for them in this order, so a text mixing scripts takes
// each letter from the first face that has it, never from whatever the machine has installed.
constexpr std::array<std::array<const char*, 2>, 3> kShippedFaces{{
    {":/fonts/DejaVuSans.ttf", ":/fonts/DejaVuSans-Bold.ttf"},
    {":/fonts/NotoSansBengali-Regular.ttf", ":/fonts/NotoSansBengali-Bold.ttf"},
    {":/fonts/NotoSansDevanagari-Regular.ttf", ":/fonts/NotoSansDevanagari-Bold.ttf"},
}};

// Loads the shipped faces once; a resource that cannot be read leaves the system's sans-serif,
// which at least shows every text.
QStringList LoadShippedFamilies() {
    QStringList families;
    for (const auto& faces : kShippedFaces) {
        QString family;
        for (const char* file : faces) {
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
            const QStringList loaded = QFontDatabase::applicationFontFamilies(id);
            if (family.isEmpty() && !loaded.isEmpty()) {
                family = loaded.constFirst();
            }
        }
        if (!family.isEmpty()) {
            families << family;
        }
    }
    if (families.isEmpty()) {
        families << QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }
    return families;
}

const QStringList& ShippedFamilies() {
    static const QStringList families = LoadShippedFamilies();
    return families;
}

// A device of 96 dots per inch, the chart's own unit.
const QImage& LogicalDevice() {
    static const QImage device(1, 1, QImage::Format_RGB32);
    return device;
}

}  // namespace

QString ProgramFontFamily() {
    return ShippedFamilies().constFirst();
}

QFont ProgramFont(double pointSize, bool bold) {
    QFont font;
    font.setFamilies(ShippedFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont PaintFont(double pointSize, bool bold, const QPaintDevice* device) {
    const int deviceDpi = device != nullptr ? device->logicalDpiY() : 0;
    const double scale = deviceDpi > 0 ? kLogicalDotsPerInch / deviceDpi : 1.0;
    QFont font = ProgramFont(pointSize * scale, bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double PaintTextWidth(const QString& text, double pointSize, bool bold) {
    const QFontMetricsF metrics(PaintFont(pointSize, bold, &LogicalDevice()), &LogicalDevice());
    return metrics.horizontalAdvance(text);
}

double PaintLineHeight(double pointSize, bool bold) {
    const QFontMetricsF metrics(PaintFont(pointSize, bold, &LogicalDevice()), &LogicalDevice());
    return metrics.height();
}

QRectF PaintTextInk(const QString& text, double pointSize, bool bold) {
    // The letters' outlines, not the font's rounded glyph boxes: a pixel either way decides
    // whether a text keeps clear of a line. A face draws on a screen at a whole number of
    // pixels, on paper and in drawings at the exact size: the ink is what either covers. Each
    // outline is taken at 64 times its size, where nothing is painted, and scaled back: once a
    // face has drawn a letter at a size, its outline there can move by 1/64 pixel, and the same
    // chart would be laid out differently before and after its first painting.
    constexpr int kMeasuringScale = 64;
    const QFont painted(PaintFont(pointSize, bold, &LogicalDevice()), &LogicalDevice());
    const QFontInfo drawn(painted);
    QRectF ink;
    for (const double pixels : {drawn.pixelSize() * 1.0, pointSize * kLogicalDotsPerInch / 72}) {
        QFont measuring(painted);
        measuring.setPixelSize(qRound(pixels * kMeasuringScale));
        QPainterPath outline;
        outline.addText(0, 0, measuring, text);
        const QRectF box = outline.boundingRect();
        ink |= QRectF(box.topLeft() / kMeasuringScale, box.size() / kMeasuringScale);
    }
    // The drawing sets the line's baseline at the painted font's ascent.
    return ink.translated(0, QFontMetricsF(painted, &LogicalDevice()).ascent());
}

bool MeasuresAsFitting(const QPaintDevice* device) {
    return device != nullptr && device->logicalDpiX() == LogicalDevice().logicalDpiX() &&
           device->logicalDpiY() == LogicalDevice().logicalDpiY();
}

std::optional<double> FittingPointSize(const QString& text, double width, double largest,
                                       double smallest, bool bold) {
    for (double size = largest; size >= smallest - 1e-9; size -= kSizeStep) {
        if (PaintTextWidth(text, size, bold) <= width) {
            return size;
        }
    }
    return std::nullopt;
}

}  // namespace ui
