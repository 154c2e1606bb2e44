// The program's run on screen: builds the window, starts the game and plays until it ends.
#pragma once

namespace tolm::desktop {

// Needs a QApplication; returns the program's exit status.
int runProgram();

}  // namespace tolm::desktop
