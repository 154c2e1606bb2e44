// A push button whose caption wraps; Space, Return or Enter choose it, arrows move the focus.
#pragma once

#include <QPushButton>

namespace tolm::desktop {

class ChoiceButton : public QPushButton {
    Q_OBJECT
public:
    explicit ChoiceButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tolm::desktop
