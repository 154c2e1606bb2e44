// One physical press of Space, Return or Enter takes at most one choice, however busy the game.
#pragma once

#include <QObject>

#include "layout/key_presses.h"

namespace tolm::desktop {

// Watches the buttons' keys and lets through to them only what the game's key rule says a press
// is: the toolkit's repeats and a held key's bare repeats never reach a button.
class HeldKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void choiceRan() { presses_.choiceRan(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    layout::KeyPresses presses_;
};

}  // namespace tolm::desktop
