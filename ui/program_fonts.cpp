#include "ui/program_fonts.h"

#include <QFontDatabase>
#include <QPaintDevice>

namespace ui {

namespace {

constexpr double kLogicalDotsPerInch = 96.0;

}  // namespace

QString ProgramFontFamily() {
    static const QString family = [] {
        const QString preferred = QStringLiteral("Verdana");
        if (QFontDatabase::hasFamily(preferred)) {
            return preferred;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
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
    return ProgramFont(pointSize * scale, bold);
}

}  // namespace ui
