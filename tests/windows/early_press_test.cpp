// Tolm.exe's window pressed before it has built the controls its first paint left out, as a screen
// reader's press comes (sent, so ahead of the message the window posted to build them): the story,
// the controls, the focus, the stacking and the hints are as if every control had been there.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/story.h"
#include "headless/recording_reporter.h"
#include "layout/focus.h"
#include "layout/layout.h"
#include "memory/memory_form.h"
#include "windows/game_window.h"
#include "windows/program.h"
#include "windows/wide.h"

namespace tolm::windows {
namespace {
using namespace layout;

int idOf(Control c) { return kFirstControlId + static_cast<int>(indexOf(c)); }

// Every control's window under the game's, by id, the frame's children with the rest.
std::map<int, HWND> controlWindows(HWND game) {
    std::map<int, HWND> found;
    EnumChildWindows(
        game,
        [](HWND w, LPARAM out) {
            (*reinterpret_cast<std::map<int, HWND>*>(out))[GetDlgCtrlID(w)] = w;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string textOf(HWND w) {
    wchar_t text[4096] = {};
    GetWindowTextW(w, text, 4096);
    return narrow(text);
}

// The ids of a container's children, front to back.
std::vector<int> stacking(HWND container) {
    std::vector<int> ids;
    for (HWND w = GetWindow(container, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) ids.push_back(GetDlgCtrlID(w));
    return ids;
}

HWND hintsOf(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND w, LPARAM out) {
            wchar_t type[64] = {};
            GetClassNameW(w, type, 64);
            if (std::wstring(type) == TOOLTIPS_CLASSW) *reinterpret_cast<HWND*>(out) = w;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The game's window as the story in memory says it should stand.
void expectAsInMemory(HWND game, const memory::MemoryForm& memory, Control focus) {
    const std::map<int, HWND> windows = controlWindows(game);
    for (const ControlRow& row : kLayout) {
        if (row.kind == Kind::Shape) continue;
        SCOPED_TRACE(controlName(row.control));
        ASSERT_TRUE(windows.contains(idOf(row.control))) << "has no window";
        const HWND w = windows.at(idOf(row.control));
        EXPECT_EQ(IsWindowVisible(w) != FALSE, memory.visible(row.control));
        if (row.kind == Kind::Label) {
            EXPECT_EQ(textOf(w), memory.caption(row.control));
        }
    }
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), idOf(focus));
    // The focused control in front of all, the others in window order, the first row in front.
    std::vector<int> front = stacking(game);
    ASSERT_FALSE(front.empty());
    EXPECT_EQ(front.front(), idOf(focus));
    front.erase(front.begin());
    EXPECT_TRUE(std::is_sorted(front.begin(), front.end()));
    const std::vector<int> inFrame = stacking(windows.at(idOf(Control::Frame1)));
    EXPECT_TRUE(std::is_sorted(inFrame.begin(), inFrame.end()));
    // Every hint is there for the pointer to rest on.
    const HWND hints = hintsOf(GetCurrentThreadId());
    ASSERT_NE(hints, nullptr);
    const auto withHints = std::count_if(kLayout.begin(), kLayout.end(), [](const ControlRow& r) { return r.tooltip; });
    EXPECT_EQ(SendMessageW(hints, TTM_GETTOOLCOUNT, 0, 0), withHints);
}

TEST(EarlyPress, MeetsEveryControlBuilt) {
    headless::RecordingReporter reporter;
    memory::MemoryForm memory(reporter);
    engine::raise(memory, engine::kFormLoad);
    engine::raise(memory, engine::click(Control::Vyjit));
    const std::optional<Control> focus = focusAfterEvent(Control::Vyjit, Control::Vyjit, memory.visibility());
    ASSERT_TRUE(focus);

    // Shown and painted; the message that builds the rest waits in the queue.
    Program program(GetModuleHandleW(nullptr));
    const HWND game = FindWindowW(L"TolmWindow", nullptr);
    ASSERT_NE(game, nullptr);
    SendMessageW(controlWindows(game).at(idOf(Control::Vyjit)), BM_CLICK, 0, 0);
    {
        SCOPED_TRACE("right after the press");
        expectAsInMemory(game, memory, *focus);
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    SCOPED_TRACE("once the window is idle");
    expectAsInMemory(game, memory, *focus);
    EXPECT_TRUE(reporter.errors.empty());
}

}  // namespace
}  // namespace tolm::windows
