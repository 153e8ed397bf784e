#include "ui/positions_menu.h"

#include <QActionGroup>

#include "ui/chart_choices.h"
#include "ui/qt_text.h"

namespace ui {

namespace {

using engine::AyanamsaMode;
using engine::NodeKind;
using reading::PositionsKind;

constexpr PositionsKind kPositions[] = {PositionsKind::kMeanElements,
                                        PositionsKind::kPreciseEphemeris};
constexpr AyanamsaMode kAyanamsas[] = {AyanamsaMode::kLahiri, AyanamsaMode::kRaman,
                                       AyanamsaMode::kKrishnamurti,
                                       AyanamsaMode::kTrueChitrapaksha};
constexpr NodeKind kNodes[] = {NodeKind::kMean, NodeKind::kTrue};

// Access keys, unique within the menu, placed before the letter they underline.
QString WithAccessKey(QString caption, QChar key) {
    const qsizetype at = caption.indexOf(key);
    return at < 0 ? caption : caption.insert(at, QLatin1Char('&'));
}

}  // namespace

PositionsMenu::PositionsMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("mnuPositions"));
    setTitle(QStringLiteral("&Positions"));

    auto* positions = new QActionGroup(this);
    const QChar positionKeys[] = {QLatin1Char('M'), QLatin1Char('P')};
    for (std::size_t i = 0; i < positions_.size(); ++i) {
        const PositionsKind kind = kPositions[i];
        positions_[i] =
            addChoice(QStringLiteral("mnuPositions_") + QStringOf(reading::WordOf(kind)),
                      WithAccessKey(PositionsName(kind), positionKeys[i]), positions);
        connect(positions_[i], &QAction::triggered, this, [this, kind] {
            reading::ChartSettings chosen = settings_;
            chosen.positions = kind;
            choose(chosen);
        });
    }

    addSection(QStringLiteral("Ayanamsa"));
    auto* ayanamsas = new QActionGroup(this);
    const QChar ayanamsaKeys[] = {QLatin1Char('L'), QLatin1Char('R'), QLatin1Char('K'),
                                  QLatin1Char('C')};
    for (std::size_t i = 0; i < ayanamsas_.size(); ++i) {
        const AyanamsaMode ayanamsa = kAyanamsas[i];
        ayanamsas_[i] =
            addChoice(QStringLiteral("mnuAyanamsa_") + QStringOf(reading::WordOf(ayanamsa)),
                      WithAccessKey(AyanamsaName(ayanamsa), ayanamsaKeys[i]), ayanamsas);
        connect(ayanamsas_[i], &QAction::triggered, this, [this, ayanamsa] {
            reading::ChartSettings chosen = settings_;
            chosen.ayanamsa = ayanamsa;
            choose(chosen);
        });
    }

    addSection(QStringLiteral("Node"));
    auto* nodes = new QActionGroup(this);
    const QChar nodeKeys[] = {QLatin1Char('N'), QLatin1Char('T')};
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        const NodeKind node = kNodes[i];
        nodes_[i] = addChoice(QStringLiteral("mnuNode_") + QStringOf(reading::WordOf(node)),
                              WithAccessKey(NodeName(node), nodeKeys[i]), nodes);
        connect(nodes_[i], &QAction::triggered, this, [this, node] {
            reading::ChartSettings chosen = settings_;
            chosen.node = node;
            choose(chosen);
        });
    }
    setSettings(settings_);
}

QAction* PositionsMenu::addChoice(const QString& name, const QString& caption,
                                  QActionGroup* group) {
    QAction* action = addAction(caption);
    action->setObjectName(name);
    action->setCheckable(true);
    group->addAction(action);
    return action;
}

void PositionsMenu::setSettings(const reading::ChartSettings& settings) {
    settings_ = settings;
    positions_[static_cast<std::size_t>(settings.positions)]->setChecked(true);
    ayanamsas_[static_cast<std::size_t>(settings.ayanamsa)]->setChecked(true);
    nodes_[static_cast<std::size_t>(settings.node)]->setChecked(true);
    // The mean elements have their own ayanamsa and node; the choices wait for precise positions.
    for (QAction* choice : ayanamsas_) {
        choice->setEnabled(settings.precise());
    }
    for (QAction* choice : nodes_) {
        choice->setEnabled(settings.precise());
    }
}

void PositionsMenu::choose(const reading::ChartSettings& settings) {
    if (settings == settings_) {
        return;
    }
    setSettings(settings);
    emit settingsChosen(settings);
}

}  // namespace ui
