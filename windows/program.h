// Runs the game on Windows: the window, start-up, and the messages until the game ends.
#pragma once

#include <windows.h>

namespace tolm::windows {

// The exit status: 0 after Konec or the window closed, non-zero after a runtime error.
int runProgram(HINSTANCE instance);

}  // namespace tolm::windows
