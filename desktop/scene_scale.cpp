// Scaling maps the edges of every rectangle, not its size, so controls that share an edge in the
// layout share it at every factor and a button that covers another still covers it exactly.
#include "desktop/scene_scale.h"

#include <algorithm>
#include <cmath>

namespace tolm::desktop {
using namespace layout;
namespace {

int scaled(int pixels, double factor) { return static_cast<int>(std::lround(pixels * factor)); }

}  // namespace

SceneScale SceneScale::fitting(QSize clientArea) {
    const double factor = std::min(static_cast<double>(clientArea.width()) / kScene.width(),
                                   static_cast<double>(clientArea.height()) / kScene.height());
    return {factor, QPointF((clientArea.width() - kScene.width() * factor) / 2,
                            (clientArea.height() - kScene.height() * factor) / 2)};
}

QSize SceneScale::smallestClientArea() {
    return {static_cast<int>(std::ceil(kScene.width() * kSmallest)),
            static_cast<int>(std::ceil(kScene.height() * kSmallest))};
}

int SceneScale::across(int x) const { return static_cast<int>(std::lround(offset_.x() + x * factor_)); }

int SceneScale::down(int y) const { return static_cast<int>(std::lround(offset_.y() + y * factor_)); }

QRect SceneScale::place(const ControlRow& row) const {
    Twips t = row.rect;
    if (row.in == Container::Frame1) {
        t.left += rowOf(Control::Frame1).rect.left;
        t.top += rowOf(Control::Frame1).rect.top;
    }
    const int left = toPixels(t.left);
    const int top = toPixels(t.top);
    QRect r(QPoint(across(left), down(top)),
            QPoint(across(left + toPixels(t.width)) - 1, down(top + toPixels(t.height)) - 1));
    if (row.in == Container::Frame1) {
        const Twips& frame = rowOf(Control::Frame1).rect;
        r.translate(-across(toPixels(frame.left)), -down(toPixels(frame.top)));
    }
    return r;
}

int SceneScale::fontPixels(int pixels) const { return std::max(1, scaled(pixels, factor_)); }

int SceneScale::lineWidth() const { return std::max(1, scaled(1, factor_)); }

}  // namespace tolm::desktop
