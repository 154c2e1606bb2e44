// The picture always covers the box, so the box paints nothing else and is opaque.
#include "desktop/picture_box.h"

#include <QPaintEvent>
#include <QPainter>

namespace tolm::desktop {

PictureBox::PictureBox(ScenePicture picture, QWidget* parent) : QWidget(parent), picture_(std::move(picture)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setScale(double factor) {
    if (factor == scale_) return;
    scale_ = factor;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Only what is painted is put into colour: a box shows a corner of a much larger picture.
    const double ratio = devicePixelRatioF();
    const double factor = scale_ * ratio;
    if (factor == 1.0) {
        const QRect area = event->rect() & QRect(QPoint(0, 0), picture_.size());
        painter.drawImage(area.topLeft(), picture_.pixels(area));
        return;
    }
    // Scaled to the screen's own pixels, so a high-density screen gets every one of them.
    const QRect device =
        QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio).toAlignedRect();
    QImage image = picture_.pixels(device, factor);
    image.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(device.topLeft()) / ratio, image);
}

}  // namespace tolm::desktop
