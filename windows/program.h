// Runs the game on Windows: the window, start-up, and the messages until the game ends.
#pragma once

#include <windows.h>

#include "windows/win_form.h"

namespace tolm::windows {

// The game standing on the screen: faces registered, the window built and shown, Form_Load run.
class Program {
public:
    explicit Program(HINSTANCE instance);

    // Handles messages until the game ends; returns the exit status: 0 after Konec or the window
    // closed, non-zero after a runtime error.
    int run();

private:
    HWND owner_ = nullptr;
    MessageBoxReporter reporter_;
    WinForm form_;
};

int runProgram(HINSTANCE instance);

}  // namespace tolm::windows
