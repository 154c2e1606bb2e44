// Tolm: builds the window, runs start-up and plays until the player ends the game.
#include <QApplication>
#include <QStyleFactory>

#include "runtime/qt_form.h"
#include "ui/game_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    tolm::ui::GameWindow window;
    tolm::runtime::MessageBoxReporter reporter(&window);
    tolm::runtime::QtForm form(window, reporter);
    form.start();
    return QApplication::exec();
}
