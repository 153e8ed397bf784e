#include "ui/chart_choices.h"

#include <QCoreApplication>
#include <QSettings>

#include "ui/qt_text.h"

namespace ui {

namespace {

const QString kPositionsKey = QStringLiteral("chart/positions");
const QString kAyanamsaKey = QStringLiteral("chart/ayanamsa");
const QString kNodeKey = QStringLiteral("chart/node");

// The choice is the user's, kept in the user's settings of the program.
QSettings UserSettings() {
    return QSettings(QStringLiteral("velmora"), QStringLiteral("rashi-chart"));
}

std::string StoredWord(const QSettings& settings, const QString& key) {
    return settings.value(key).toString().toStdString();
}

// The line's words, translated as the display's other texts are.
QString LineWord(const char* source) {
    return QCoreApplication::translate("ChartDisplay", source);
}

const char* AyanamsaWord(engine::AyanamsaMode ayanamsa) {
    switch (ayanamsa) {
        case engine::AyanamsaMode::kLahiri:
            return QT_TRANSLATE_NOOP("ChartDisplay", "Lahiri");
        case engine::AyanamsaMode::kRaman:
            return QT_TRANSLATE_NOOP("ChartDisplay", "Raman");
        case engine::AyanamsaMode::kKrishnamurti:
            return QT_TRANSLATE_NOOP("ChartDisplay", "Krishnamurti");
        case engine::AyanamsaMode::kTrueChitrapaksha:
            return QT_TRANSLATE_NOOP("ChartDisplay", "True Chitrapaksha");
    }
    return "";
}

}  // namespace

reading::ChartSettings LoadChartSettings() {
    const QSettings settings = UserSettings();
    reading::ChartSettings chosen;
    chosen.positions =
        reading::PositionsNamed(StoredWord(settings, kPositionsKey)).value_or(chosen.positions);
    chosen.ayanamsa =
        reading::AyanamsaNamed(StoredWord(settings, kAyanamsaKey)).value_or(chosen.ayanamsa);
    chosen.node = reading::NodeNamed(StoredWord(settings, kNodeKey)).value_or(chosen.node);
    return chosen;
}

void StoreChartSettings(const reading::ChartSettings& chosen) {
    QSettings settings = UserSettings();
    settings.setValue(kPositionsKey, QStringOf(reading::WordOf(chosen.positions)));
    settings.setValue(kAyanamsaKey, QStringOf(reading::WordOf(chosen.ayanamsa)));
    settings.setValue(kNodeKey, QStringOf(reading::WordOf(chosen.node)));
}

QString ChartSettingsLine(const reading::ChartSettings& settings) {
    if (!settings.precise()) {
        return LineWord(QT_TRANSLATE_NOOP("ChartDisplay", "Mean elements"));
    }
    const char* node = settings.node == engine::NodeKind::kTrue
                           ? QT_TRANSLATE_NOOP("ChartDisplay", "true node")
                           : QT_TRANSLATE_NOOP("ChartDisplay", "mean node");
    return LineWord(QT_TRANSLATE_NOOP("ChartDisplay", "Precise ephemeris · %1 · %2"))
        .arg(LineWord(AyanamsaWord(settings.ayanamsa)), LineWord(node));
}

}  // namespace ui
