// The game's one window on Win32, with its controls built from the layout table.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "layout/focus.h"
#include "layout/layout.h"
#include "layout/scene_scale.h"
#include "windows/fonts.h"

namespace tolm::windows {

// A control's id is this plus its place in window order: how a program outside tells them apart.
inline constexpr int kFirstControlId = 100;

// What the window passes on; the form turns it into the story's events.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void clicked(Control c) = 0;
    // Over a control, or over the window's bare surface (nothing).
    virtual void pointerMoved(std::optional<Control> over) = 0;
    virtual void deactivated() = 0;
};

class GameWindow {
public:
    GameWindow(HINSTANCE instance, WindowEvents& events);
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    HWND handle() const { return window_; }
    // The control's window; the shape has none: the window draws it, and a control the first
    // paint left out has none until it is built.
    HWND handle(Control c) const { return controls_[indexOf(c)]; }
    std::optional<Control> controlOf(HWND w) const;

    layout::Shown shown() const { return shown_; }
    void setShown(Control c, bool shown);
    const std::string& caption(Control c) const { return captions_[indexOf(c)]; }
    void setCaption(Control c, std::string_view text);

    // Gives the keyboard focus to the control, if there is one.
    void focus(std::optional<Control> c);
    std::optional<Control> focused() const { return controlOf(GetFocus()); }

    // Builds the controls the scene shows now, shows the window maximized with the focus on the
    // first control, and paints it; the rest are built right after, from a message it posts to itself.
    void show(std::optional<Control> first);
    // Builds the controls and hints the first paint left out, where a press or a story step
    // needs them before that message comes; nothing once they are there.
    void ensureBuilt();
    bool fullScreen() const { return fullScreen_; }
    void setFullScreen(bool on);
    // Ends the window; the program then ends with this status.
    void close(int exitStatus);

private:
    static LRESULT CALLBACK windowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleControl(HWND w, UINT message, WPARAM wParam, LPARAM lParam);

    HWND build(const layout::ControlRow& row);
    void addTooltips();
    void fit(layout::PixelSize clientArea);
    void applyScale(const layout::SceneScale& scale);
    // Moves the control to its place at the current scale.
    void place(Control c);
    void restack(Control c);
    void draw(const DRAWITEMSTRUCT& item);
    void paintFrame(HWND frame);
    void paintWindow();
    void command(WPARAM wParam, LPARAM lParam);

    WindowEvents& events_;
    HINSTANCE instance_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    std::array<HWND, kControlCount> controls_{};
    // Every control and hint is there, not only those of the first paint.
    bool built_ = false;
    std::array<std::string, kControlCount> captions_{};
    // Hidden through a change of scale: moved to its place when it is shown.
    std::array<bool, kControlCount> misplaced_{};
    layout::Shown shown_;
    layout::SceneScale scale_;
    Fonts fonts_;
    // The focus the window had when it lost the keyboard, given back when it returns.
    HWND lastFocus_ = nullptr;
    bool fullScreen_ = false;
    WINDOWPLACEMENT placement_{};
    LONG_PTR style_ = 0;
    int exitStatus_ = 0;
};

}  // namespace tolm::windows
