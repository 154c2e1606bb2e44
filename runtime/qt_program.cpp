// One place for how the program runs, so the start-up probes measure exactly the game.
#include "runtime/qt_program.h"

#include <QApplication>

#include "runtime/qt_form.h"
#include "ui/game_style.h"
#include "ui/game_window.h"

namespace tolm::runtime {

int runProgram() {
    // One style everywhere, so the game looks the same on every desktop and in its tests.
    ui::installGameStyle();
    ui::GameWindow window;
    MessageBoxReporter reporter(&window);
    QtForm form(window, reporter);
    form.start();
    return QApplication::exec();
}

}  // namespace tolm::runtime
