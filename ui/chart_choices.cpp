#include "ui/chart_choices.h"

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

QString WordText(std::string_view word) {
    return QStringOf(word);
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
    settings.setValue(kPositionsKey, WordText(reading::WordOf(chosen.positions)));
    settings.setValue(kAyanamsaKey, WordText(reading::WordOf(chosen.ayanamsa)));
    settings.setValue(kNodeKey, WordText(reading::WordOf(chosen.node)));
}

QString PositionsName(reading::PositionsKind positions) {
    return positions == reading::PositionsKind::kPreciseEphemeris
               ? QStringLiteral("Precise Ephemeris")
               : QStringLiteral("Mean Elements");
}

QString AyanamsaName(engine::AyanamsaMode ayanamsa) {
    switch (ayanamsa) {
        case engine::AyanamsaMode::kLahiri:
            return QStringLiteral("Lahiri");
        case engine::AyanamsaMode::kRaman:
            return QStringLiteral("Raman");
        case engine::AyanamsaMode::kKrishnamurti:
            return QStringLiteral("Krishnamurti");
        case engine::AyanamsaMode::kTrueChitrapaksha:
            return QStringLiteral("True Chitrapaksha");
    }
    return {};
}

QString NodeName(engine::NodeKind node) {
    return node == engine::NodeKind::kTrue ? QStringLiteral("True Node")
                                           : QStringLiteral("Mean Node");
}

QString ChartSettingsLine(const reading::ChartSettings& settings) {
    if (!settings.precise()) {
        return QStringLiteral("Mean elements");
    }
    const QString node = settings.node == engine::NodeKind::kTrue ? QStringLiteral("true node")
                                                                  : QStringLiteral("mean node");
    return QStringLiteral("Precise ephemeris \u00B7 %1 \u00B7 %2")
        .arg(AyanamsaName(settings.ayanamsa), node);
}

}  // namespace ui
