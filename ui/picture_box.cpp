// The picture always covers the box, so the box paints nothing else and is opaque.
#include "ui/picture_box.h"

#include <QPainter>
#include <QPaintEvent>

namespace tolm::ui {

PictureBox::PictureBox(QImage picture, QWidget* parent) : QWidget(parent), picture_(std::move(picture)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
}

}  // namespace tolm::ui
