// The window on screen: the story's form over the Win32 controls, and their events turned into handlers.
#pragma once

#include <windows.h>

#include <optional>

#include "engine/step.h"
#include "layout/key_presses.h"
#include "runtime/form.h"
#include "windows/game_window.h"

namespace tolm::windows {

class WinForm : public runtime::Form, public WindowEvents {
public:
    WinForm(HINSTANCE instance, runtime::Reporter& reporter);

    // Form_Load, then the window is shown maximized with the focus on the first choice.
    void start();

    runtime::Status setVisible(Control c, runtime::Truth value) override;
    runtime::Status getVisible(Control c, runtime::Truth& value) override;
    runtime::Status setCaption(Control c, std::string_view text) override;
    runtime::Status getCaption(Control c, std::string& text) override;
    void end(int exitStatus) override;
    bool ended() const override { return ended_; }

    void clicked(Control c) override;
    void pointerMoved(std::optional<Control> over) override;
    void deactivated() override { presses_.forget(); }

    // A key for the game's window, before Windows hands it to a control: the game's own keys
    // (the ones that choose, Tab, the arrows, F11 and Escape). True when the game took it.
    bool key(const MSG& message);

    GameWindow& window() { return window_; }
    const GameWindow& window() const { return window_; }

private:
    void deliver(engine::Trigger trigger);
    bool choosingKey(const MSG& message, layout::ChoosingKey key);

    GameWindow window_;
    layout::KeyPresses presses_;
    bool ended_ = false;
};

// Shows the error in a message box; the program ends after it.
class MessageBoxReporter : public runtime::Reporter {
public:
    explicit MessageBoxReporter(const HWND* owner) : owner_(owner) {}
    void report(const runtime::RuntimeError& error) override;

private:
    const HWND* owner_;
};

}  // namespace tolm::windows
