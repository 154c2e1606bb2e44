// One place for how the program runs, so the start-up probe measures exactly the game.
#include "windows/program.h"

#include <commctrl.h>

#include "windows/fonts.h"

namespace tolm::windows {
namespace {

// Before any window: the common controls for the tooltips, and the game's faces.
HINSTANCE prepared(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    registerFaces();
    return instance;
}

}  // namespace

Program::Program(HINSTANCE instance) : reporter_(&owner_), form_(prepared(instance), reporter_) {
    owner_ = form_.window().handle();
    form_.start();
}

int Program::run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The game's keys go by its own rules before any control sees them.
        if ((message.message == WM_KEYDOWN || message.message == WM_KEYUP) && form_.key(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int runProgram(HINSTANCE instance) {
    Program program(instance);
    return program.run();
}

}  // namespace tolm::windows
