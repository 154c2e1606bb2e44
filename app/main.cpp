// Tolm: builds the window, runs start-up and plays until the player ends the game.
#include <QApplication>

#include "desktop/qt_program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Names the menu entry, so that a Wayland desktop shows the game's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.tolm.Tolm"));
    return tolm::desktop::runProgram();
}
