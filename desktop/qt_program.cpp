// One place for how the program runs, so the start-up probes measure exactly the game.
#include "desktop/qt_program.h"

#include <QApplication>

#include "desktop/game_style.h"
#include "desktop/game_window.h"
#include "desktop/qt_form.h"
#include "desktop/x_server.h"

namespace tolm::desktop {

int runProgram() {
    // One style everywhere, so the game looks the same on every desktop and in its tests.
    desktop::installGameStyle();
    desktop::GameWindow window;
    MessageBoxReporter reporter(&window);
    QtForm form(window, reporter);
    askForDetectableKeyRepeat();
    WindowDestroyedWatch destroyed(window);
    qApp->installNativeEventFilter(&destroyed);
    form.start();
    return QApplication::exec();
}

}  // namespace tolm::desktop
