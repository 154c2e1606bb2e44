// Start-up probe of the game: the program's own run, with the first-paint watch added.
#include "bench/first_paint.h"
#include "desktop/graphical_session.h"
#include "desktop/qt_program.h"

int main(int argc, char* argv[]) {
    const auto entered = tolm::bench::Clock::now();
    const auto app = tolm::desktop::startApplication(argc, argv);
    tolm::bench::FirstPaintWatch watch(entered);
    return tolm::desktop::runProgram();
}
