#include "ui/program_fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>

namespace ui {

namespace {

constexpr double kLogicalDotsPerInch = 96.0;
constexpr double kSizeStep = 0.25;  // points

// Loads the shipped faces once; a resource that cannot be read leaves the system's sans-serif,
// which at least shows every text.
QString LoadShippedFamily() {
    QString family;
    for (const char* file : {":/fonts/DejaVuSans.ttf", ":/fonts/DejaVuSans-Bold.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (family.isEmpty() && !families.isEmpty()) {
            family = families.constFirst();
        }
    }
    if (family.isEmpty()) {
        family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }
    return family;
}

// A device of 96 dots per inch, the chart's own unit.
const QImage& LogicalDevice() {
    static const QImage device(1, 1, QImage::Format_RGB32);
    return device;
}

}  // namespace

QString ProgramFontFamily() {
    static const QString family = LoadShippedFamily();
    return family;
}

QFont ProgramFont(double pointSize, bool bold) {
    QFont font(ProgramFontFamily());
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
