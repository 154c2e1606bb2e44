// Tolm: builds the window, runs start-up and plays until the player ends the game.
#include "desktop/graphical_session.h"
#include "desktop/qt_program.h"

int main(int argc, char* argv[]) {
    const auto app = tolm::desktop::startApplication(argc, argv);
    return tolm::desktop::runProgram();
}
