// One place for how the program runs, so the start-up probe measures exactly the game.
#include "windows/program.h"

#include <commctrl.h>

#include "windows/fonts.h"
#include "windows/win_form.h"

namespace tolm::windows {

int runProgram(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    registerFaces();
    HWND owner = nullptr;
    MessageBoxReporter reporter(&owner);
    WinForm form(instance, reporter);
    owner = form.window().handle();
    form.start();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The game's keys go by its own rules before any control sees them.
        if ((message.message == WM_KEYDOWN || message.message == WM_KEYUP) && form.key(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace tolm::windows
