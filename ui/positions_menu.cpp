#include "ui/positions_menu.h"

#include <QActionGroup>

#include "ui/qt_text.h"
#include "ui/translated_texts.h"

namespace ui {

namespace {

using engine::AyanamsaMode;
using engine::NodeKind;
using reading::PositionsKind;

struct Choice {
    const char* caption;
    reading::ChartSettings (*apply)(reading::ChartSettings);
};

template <auto member, auto value>
reading::ChartSettings With(reading::ChartSettings settings) {
    settings.*member = value;
    return settings;
}

using reading::ChartSettings;
constexpr Choice kPositionChoices[] = {
    {QT_TRANSLATE_NOOP("ui::PositionsMenu", "&Mean Elements"),
     With<&ChartSettings::positions, PositionsKind::kMeanElements>},
    {QT_TRANSLATE_NOOP("ui::PositionsMenu", "&Precise Ephemeris"),
     With<&ChartSettings::positions, PositionsKind::kPreciseEphemeris>},
};
constexpr Choice kAyanamsaChoices[] = {
    {QT_TRANSLATE_NOOP("ui::PositionsMenu", "&Lahiri"),
     With<&ChartSettings::ayanamsa, AyanamsaMode::kLahiri>},
    {QT_TRANSLATE_NOOP("ui::PositionsMenu", "&Raman"),
     With<&ChartSettings::ayanamsa, AyanamsaMode::kRaman>},
    {QT_TRANSLATE_NOOP("ui::PositionsMenu", "&Krishnamurti"),
     With<&ChartSettings::ayanamsa, AyanamsaMode::kKrishnamurti>},
    {QT_TRANSLATE_NOOP("ui::PositionsMenu", "True &Chitrapaksha"),
     With<&ChartSettings::ayanamsa, AyanamsaMode::kTrueChitrapaksha>},
};
constexpr Choice kNodeChoices[] = {
    {QT_TRANSLATE_NOOP("ui::PositionsMenu", "Mean &Node"),
     With<&ChartSettings::node, NodeKind::kMean>},
    {QT_TRANSLATE_NOOP("ui::PositionsMenu", "&True Node"),
     With<&ChartSettings::node, NodeKind::kTrue>},
};

}  // namespace

PositionsMenu::PositionsMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("mnuPositions"));
    SetTranslatedText(this, "title", staticMetaObject, QT_TR_NOOP("&Positions"));
    // Entries named by the words the command line takes: mnuPositions_precise, mnuNode_true.
    const auto addGroup = [this](const auto& choices, auto& actions, const char* namePrefix,
                                 const auto& words) {
        auto* group = new QActionGroup(this);
        for (std::size_t i = 0; i < actions.size(); ++i) {
            QAction* action = addAction(QString());
            action->setObjectName(QString::fromLatin1(namePrefix) + QStringOf(words[i]));
            SetTranslatedText(action, "text", staticMetaObject, choices[i].caption);
            action->setCheckable(true);
            group->addAction(action);
            connect(action, &QAction::triggered, this,
                    [this, apply = choices[i].apply] { choose(apply(settings_)); });
            actions[i] = action;
        }
    };
    addGroup(kPositionChoices, positions_, "mnuPositions_", reading::kPositionsWords);
    SetTranslatedText(addSection(QString()), "text", staticMetaObject, QT_TR_NOOP("Ayanamsa"));
    addGroup(kAyanamsaChoices, ayanamsas_, "mnuAyanamsa_", reading::kAyanamsaWords);
    SetTranslatedText(addSection(QString()), "text", staticMetaObject, QT_TR_NOOP("Node"));
    addGroup(kNodeChoices, nodes_, "mnuNode_", reading::kNodeWords);
    setSettings(settings_);
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
