#include "ui/chart_style_choice.h"

#include <QSettings>

namespace ui {

namespace {

constexpr char kStyleKey[] = "chart/style";

QSettings UserSettings() {
    return QSettings(QStringLiteral("velmora"), QStringLiteral("rashi-chart"));
}

}  // namespace

ChartStyle RememberedChartStyle() {
    const QString key = UserSettings().value(QLatin1String(kStyleKey)).toString();
    return StyleOfKey(key.toStdString()).value_or(ChartStyle::kEast);
}

void RememberChartStyle(ChartStyle style) {
    const std::string_view key = NameOf(style).key;
    UserSettings().setValue(QLatin1String(kStyleKey),
                            QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
}

}  // namespace ui
