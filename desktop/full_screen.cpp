// Shortcuts rather than key handlers: they work wherever the focus is, and Escape is taken only
// while there is a full screen to leave.
#include "desktop/full_screen.h"

#include <QEvent>
#include <QShortcut>
#include <QWidget>

namespace tolm::desktop {
namespace {

// Keeps Escape's shortcut on exactly while the window is full screen, however it got there.
class EscapeWatch : public QObject {
public:
    EscapeWatch(QWidget& window, QShortcut& escape) : QObject(&window), window_(window), escape_(escape) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange) escape_.setEnabled(window_.isFullScreen());
        return false;
    }

private:
    QWidget& window_;
    QShortcut& escape_;
};

}  // namespace

void installFullScreenKeys(QWidget& window) {
    // The full-screen flag is toggled beside the others, so leaving it returns the window to
    // maximized or restored, as it was before.
    auto* f11 = new QShortcut(QKeySequence(Qt::Key_F11), &window);
    // A held key switches once, not on and off at the keyboard's repeat rate.
    f11->setAutoRepeat(false);
    QObject::connect(f11, &QShortcut::activated, &window,
                     [&window] { window.setWindowState(window.windowState() ^ Qt::WindowFullScreen); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    escape->setAutoRepeat(false);
    escape->setEnabled(false);
    QObject::connect(escape, &QShortcut::activated, &window,
                     [&window] { window.setWindowState(window.windowState() & ~Qt::WindowFullScreen); });
    new EscapeWatch(window, *escape);
}

}  // namespace tolm::desktop
