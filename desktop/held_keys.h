// One physical press of Space, Return or Enter takes at most one choice, however busy the game.
#pragma once

#include <QObject>
#include <vector>

namespace tolm::desktop {

// Watches the buttons' keys. A press counts only when its key has really been released since
// its last press: the toolkit's repeats, and the server's repeats that come as bare presses,
// never reach a button. A key that is down when a choice runs does nothing more, its release
// included, until it has been released.
class HeldKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void choiceRan();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Held {
        int key;
        bool spent;  // a choice ran while it was down
    };
    std::vector<Held> held_;
};

}  // namespace tolm::desktop
