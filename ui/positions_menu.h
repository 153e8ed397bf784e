#pragma once

#include <QMenu>
#include <array>

#include "reading/chart_settings.h"

class QAction;

namespace ui {

// "Positions ▸ Mean Elements / Precise Ephemeris", then the ayanamsa and the node, which only
// the precise ephemeris offers: one entry of each group checked. Choosing an entry says so with
// the whole choice; the window that owns the menu calculates and remembers it.
class PositionsMenu : public QMenu {
    Q_OBJECT

  public:
    explicit PositionsMenu(QWidget* parent = nullptr);

    reading::ChartSettings settings() const { return settings_; }
    // Checks the entries of settings, without saying so.
    void setSettings(const reading::ChartSettings& settings);

  signals:
    void settingsChosen(const reading::ChartSettings& settings);

  private:
    void choose(const reading::ChartSettings& settings);

    reading::ChartSettings settings_;
    std::array<QAction*, 2> positions_{};
    std::array<QAction*, 4> ayanamsas_{};
    std::array<QAction*, 2> nodes_{};
};

}  // namespace ui
