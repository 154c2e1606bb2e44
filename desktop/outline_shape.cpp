// The outline lets the pointer through so the window feels its moves inside it.
#include "desktop/outline_shape.h"

#include <QPainter>

namespace tolm::desktop {
namespace {

constexpr const char* kOutlineWidth = "outlineWidth";

}  // namespace

OutlineShape::OutlineShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void OutlineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintOutline(painter, rect(), outlineWidth(this), palette().color(QPalette::WindowText));
}

void setOutlineWidth(QWidget* w, int pixels) { w->setProperty(kOutlineWidth, pixels); }

int outlineWidth(const QWidget* w) {
    const QVariant width = w ? w->property(kOutlineWidth) : QVariant();
    return width.isValid() ? width.toInt() : 1;
}

void paintOutline(QPainter& painter, const QRect& area, int width, const QColor& colour) {
    // Four filled bands rather than a wide pen, whose stroke would straddle the edge.
    painter.fillRect(QRect(area.left(), area.top(), area.width(), width), colour);
    painter.fillRect(QRect(area.left(), area.bottom() - width + 1, area.width(), width), colour);
    painter.fillRect(QRect(area.left(), area.top(), width, area.height()), colour);
    painter.fillRect(QRect(area.right() - width + 1, area.top(), width, area.height()), colour);
}

}  // namespace tolm::desktop
