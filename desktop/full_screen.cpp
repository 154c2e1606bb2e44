// Shortcuts rather than key handlers: they work wherever the focus is, and Escape is taken only
// while there is a full screen to leave.
#include "desktop/full_screen.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>
#include <utility>

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

// A held key switches once, not on and off at the keyboard's repeat rate. The shortcut's own
// repeat filter is not enough: the X server is asked to send a held key's repeats as bare
// presses, which the toolkit cannot tell from new ones. So a press counts only when the key
// has been released since the last one that counted.
class OnePressEach : public QObject {
public:
    OnePressEach(QShortcut& shortcut, Qt::Key key) : QObject(&shortcut), key_(key) {
        shortcut.setAutoRepeat(false);
        qApp->installEventFilter(this);
    }

    // Whether this activation is a new physical press.
    bool press() { return !std::exchange(down_, true); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const auto type = event->type();
        if ((type == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == key_ &&
             !static_cast<QKeyEvent*>(event)->isAutoRepeat()) ||
            type == QEvent::ApplicationDeactivate)
            down_ = false;
        return false;
    }

private:
    Qt::Key key_;
    bool down_ = false;
};

// A shortcut for `key` that runs `toggle` once for each physical press.
template <typename Toggle>
QShortcut* onePressShortcut(QWidget& window, Qt::Key key, Toggle toggle) {
    auto* shortcut = new QShortcut(QKeySequence(key), &window);
    auto* presses = new OnePressEach(*shortcut, key);
    QObject::connect(shortcut, &QShortcut::activated, &window, [presses, toggle] {
        if (presses->press()) toggle();
    });
    return shortcut;
}

}  // namespace

void installFullScreenKeys(QWidget& window) {
    // The full-screen flag is toggled beside the others, so leaving it returns the window to
    // maximized or restored, as it was before.
    onePressShortcut(window, Qt::Key_F11,
                     [&window] { window.setWindowState(window.windowState() ^ Qt::WindowFullScreen); });
    QShortcut* escape = onePressShortcut(
        window, Qt::Key_Escape, [&window] { window.setWindowState(window.windowState() & ~Qt::WindowFullScreen); });
    escape->setEnabled(false);
    new EscapeWatch(window, *escape);
}

}  // namespace tolm::desktop
