// The look of the game's controls: one style on every desktop, in the program, its tests and tools.
#pragma once

namespace tolm::desktop {

// Sets the application's style; needs a QApplication.
void installGameStyle();

}  // namespace tolm::desktop
