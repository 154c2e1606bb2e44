// Start-up probe of the toolkit's floor: a window with one label and one button.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "bench/first_paint.h"

int main(int argc, char* argv[]) {
    const auto entered = tolm::bench::Clock::now();
    QApplication app(argc, argv);
    tolm::bench::FirstPaintWatch watch(entered);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Tolm"));
    auto* column = new QVBoxLayout(&window);
    column->addWidget(new QLabel(QStringLiteral("Tolm"), &window));
    column->addWidget(new QPushButton(QStringLiteral("Konec"), &window));
    window.showMaximized();
    return QApplication::exec();
}
