// A rectangle outline, solid and one scene pixel thick: seen, but transparent inside and to the pointer.
#pragma once

#include <QWidget>

class QPainter;

namespace tolm::desktop {

class OutlineShape : public QWidget {
    Q_OBJECT
public:
    explicit OutlineShape(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// How thick the outline of the shape or the frame is drawn; the window thickens it with the scene.
void setOutlineWidth(QWidget* w, int pixels);
int outlineWidth(const QWidget* w);

// The outline just inside `area`, `width` pixels thick.
void paintOutline(QPainter& painter, const QRect& area, int width, const QColor& colour);

}  // namespace tolm::desktop
