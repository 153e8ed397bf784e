#pragma once

#include <QPushButton>

namespace ui {

// A push button whose caption wraps onto as many lines as its width needs. The caption keeps
// Qt's meaning of "&": one marks the access key, "&&" shows one ampersand.
class WrappingButton : public QPushButton {
    Q_OBJECT

  public:
    explicit WrappingButton(const QString& text, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
