// Tolm: builds the window, runs start-up and plays until the player ends the game.
#include <QApplication>

#include "desktop/qt_program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return tolm::desktop::runProgram();
}
