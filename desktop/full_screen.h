// F11 takes the window to full screen and back; Escape also leaves full screen.
#pragma once

class QWidget;

namespace tolm::desktop {

void installFullScreenKeys(QWidget& window);

}  // namespace tolm::desktop
