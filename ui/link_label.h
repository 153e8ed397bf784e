#pragma once

#include <QLabel>

namespace ui {

// A label that reads as a link: hand cursor, and a click emits clicked.
class LinkLabel : public QLabel {
    Q_OBJECT

  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace ui
