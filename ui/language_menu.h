#pragma once

#include <QMenu>

namespace ui {

// "Language ▸ English / বাংলা / हिन्दी": each language in its own script, the one spoken checked.
// A choice is spoken at once in every window and remembered for the next run.
class LanguageMenu : public QMenu {
    Q_OBJECT

  public:
    explicit LanguageMenu(QWidget* parent = nullptr);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void showChoice();
};

}  // namespace ui
