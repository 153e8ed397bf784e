#pragma once

#include <QDialog>
#include <vector>

#include "places/place.h"

class QTableWidget;

namespace ui {

// The short list the latitude-and-longitude button offers when several places match: name,
// state, country, coordinates and population, most populous first.
class PlaceChooser : public QDialog {
    Q_OBJECT

  public:
    PlaceChooser(const std::vector<places::Place>& choices, QWidget* parent);

    // The chosen row, or -1.
    int chosenRow() const;

  private:
    QTableWidget* table_ = nullptr;
};

// The question for a birth time that the clocks showed twice; done(1) answers the earlier,
// done(2) the later, rejecting answers neither.
class RepeatedTimeQuestion : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kEarlier = 1;
    static constexpr int kLater = 2;

    RepeatedTimeQuestion(const QString& question, const QString& earlier, const QString& later,
                         QWidget* parent);
};

}  // namespace ui
