// The game on screen for tests: the window, its form, and a player's mouse and keys.
#pragma once

#include <QPoint>
#include <memory>
#include <set>
#include <vector>

#include "desktop/game_window.h"
#include "desktop/qt_form.h"
#include "headless/recording_reporter.h"

namespace tolm::testing {

class WidgetDriver {
public:
    // Builds the window and starts the game, as the program does.
    WidgetDriver();
    ~WidgetDriver();

    desktop::GameWindow& window() { return *window_; }
    desktop::QtForm& form() { return *form_; }
    headless::RecordingReporter& reporter() { return reporter_; }

    // Where a control lies, in window coordinates.
    QPoint centreOf(Control c) const;

    void clickAt(QPoint windowPoint, Qt::KeyboardModifiers modifiers = {});
    void click(Control c) { clickAt(centreOf(c)); }
    void moveTo(QPoint windowPoint, Qt::MouseButtons held = {});
    void moveOnto(Control c, Qt::MouseButtons held = {}) { moveTo(centreOf(c), held); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {});

    // Tab to the control, then press Space.
    void activateByKeyboard(Control c);

    // Whether a click at the control's centre reaches it: it is the front visible control there.
    bool reachableByMouse(Control c) const;

    // Chooses as a player would: with the mouse where it can, else with the keyboard.
    void choose(Control c);
    void play(const std::vector<Control>& path) {
        for (Control c : path) choose(c);
    }

    bool visible(Control c) const;
    std::string caption(Control c) const;
    Control focused() const;
    std::set<Control> visibleControls() const;

private:
    headless::RecordingReporter reporter_;
    std::unique_ptr<desktop::GameWindow> window_;
    std::unique_ptr<desktop::QtForm> form_;
};

}  // namespace tolm::testing
