// A push button whose caption wraps; Space, Return or Enter choose it, arrows move the focus.
#pragma once

#include <QPushButton>

#include "layout/focus.h"

namespace tolm::desktop {

class ChoiceButton : public QPushButton {
    Q_OBJECT
public:
    explicit ChoiceButton(const QString& caption, QWidget* parent);

signals:
    // The window decides where an arrow takes the focus.
    void arrowPressed(tolm::layout::Arrow arrow);
    // The window puts back the stacking of the button's place.
    void focusLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace tolm::desktop
