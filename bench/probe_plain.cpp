// Start-up probe of the game's widget tree alone: the 70 controls of the layout table as
// stock widgets of the same kinds, places and visibility, with no fonts, texts or pictures.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "bench/first_paint.h"
#include "layout/layout.h"

namespace {

using namespace tolm::layout;

QWidget* plainWidget(Kind kind, QWidget* parent) {
    switch (kind) {
        case Kind::Label: return new QLabel(parent);
        case Kind::Button: return new QPushButton(parent);
        case Kind::Frame: return new QGroupBox(parent);
        case Kind::PictureBox:
        case Kind::Shape: return new QWidget(parent);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto entered = tolm::bench::Clock::now();
    QApplication app(argc, argv);
    tolm::bench::FirstPaintWatch watch(entered);

    QWidget window;
    window.setWindowTitle(QString::fromUtf8(kWindowTitle));
    window.resize(toPixels(kRestoredClientArea.width), toPixels(kRestoredClientArea.height));
    std::array<QWidget*, tolm::kControlCount> widgets{};
    for (const ControlRow& row : kLayout) {
        QWidget* parent = row.in == Container::Frame1 ? widgets[tolm::indexOf(tolm::Control::Frame1)] : &window;
        QWidget* w = plainWidget(row.kind, parent);
        w->setGeometry(toPixels(row.rect.left), toPixels(row.rect.top), toPixels(row.rect.width),
                       toPixels(row.rect.height));
        w->setVisible(row.visibleAtStart);
        widgets[tolm::indexOf(row.control)] = w;
    }
    window.showMaximized();
    return QApplication::exec();
}
