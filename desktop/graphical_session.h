// Starts the toolkit, or says plainly that the game needs a graphical session.
#pragma once

#include <QApplication>
#include <memory>
#include <string>

namespace tolm::desktop {

// The application, once it has reached a window system. When it cannot (no display, a dead
// one, a platform that does not start) prints one line in Czech and English naming the display
// it tried, and ends the process with status 1: no core dump, no advice to reinstall.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);

// That line, for the platforms asked for (the `-platform` argument or QT_QPA_PLATFORM, empty
// for the default) and the environment's displays.
std::string noSessionMessage(const std::string& platforms);

}  // namespace tolm::desktop
