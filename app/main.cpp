// Tolm: chooses its language, answers --help and --version, or builds the window, runs start-up and plays until the
// player ends the game.
#include "app/command_line.h"
#include "desktop/graphical_session.h"
#include "desktop/qt_program.h"

int main(int argc, char* argv[]) {
    if (const auto status = tolm::app::answerCommandLine(argc, argv)) return *status;
    const auto app = tolm::desktop::startApplication(argc, argv);
    return tolm::desktop::runProgram();
}
