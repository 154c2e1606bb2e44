// Starts the toolkit, or says plainly that the game needs a graphical session.
#pragma once

#include <QApplication>
#include <memory>

namespace tolm::desktop {

// The application, once it has reached a window system. When it cannot (no display, a dead
// one, a platform that does not start) prints one line in Czech and English naming the display
// it tried, and ends the process with status 1: no core dump, no advice to reinstall.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);

}  // namespace tolm::desktop
