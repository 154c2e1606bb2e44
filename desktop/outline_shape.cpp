// The outline lets the pointer through so the window feels its moves inside it.
#include "desktop/outline_shape.h"

#include <QPainter>

namespace tolm::desktop {

OutlineShape::OutlineShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void OutlineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tolm::desktop
