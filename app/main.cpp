// Tolm: builds the window, runs start-up and plays until the player ends the game.
#include <QGuiApplication>

#include "desktop/graphical_session.h"
#include "desktop/qt_program.h"

int main(int argc, char* argv[]) {
    const auto app = tolm::desktop::startApplication(argc, argv);
    // Names the menu entry, so that a Wayland desktop shows the game's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.tolm.Tolm"));
    return tolm::desktop::runProgram();
}
