// Starts the toolkit, or says plainly that the game needs a graphical session.
#pragma once

#include <QApplication>
#include <memory>

namespace tolm::desktop {

// The application, once it has reached a window system. When it cannot, prints one line in the
// game's language and ends the process with status 1, with no core dump and no advice to
// reinstall: the line names the displays it tried when none answered (none set, a dead one, a
// platform that does not start), and the toolkit's own reason when one did. A scale factor that
// no window can have is replaced by 1, with a warning.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);

}  // namespace tolm::desktop
