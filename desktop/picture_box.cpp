// The picture always covers the box, so the box paints nothing else and is opaque.
#include "desktop/picture_box.h"

#include <QPainter>
#include <QPaintEvent>

namespace tolm::desktop {

PictureBox::PictureBox(ScenePicture picture, QWidget* parent) : QWidget(parent), picture_(std::move(picture)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Only what is painted is put into colour: a box shows a corner of a much larger picture.
    const QRect area = event->rect() & QRect(QPoint(0, 0), picture_.size());
    painter.drawImage(area.topLeft(), picture_.pixels(area));
}

}  // namespace tolm::desktop
