#pragma once

#include <QLabel>

namespace links {

// A label that acts as a web link: a pointing hand over it, underlined, a focus frame when it is
// tabbed to, and clicked() on a left-button click or on Space or Enter when it has the focus.
class LinkLabel : public QLabel {
    Q_OBJECT

  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace links
