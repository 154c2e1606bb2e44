// Scaling maps the edges of every rectangle, not its size, so controls that share an edge in the
// layout share it at every factor and a button that covers another still covers it exactly.
#include "layout/scene_scale.h"

#include <algorithm>
#include <cmath>

namespace tolm::layout {
namespace {

int scaled(int pixels, double factor) { return static_cast<int>(std::lround(pixels * factor)); }

}  // namespace

SceneScale SceneScale::fitting(PixelSize clientArea) {
    const double factor = std::min(static_cast<double>(clientArea.width) / kScene.width,
                                   static_cast<double>(clientArea.height) / kScene.height);
    return {factor, (clientArea.width - kScene.width * factor) / 2, (clientArea.height - kScene.height * factor) / 2};
}

PixelSize SceneScale::smallestClientArea() {
    return {static_cast<int>(std::ceil(kScene.width * kSmallest)),
            static_cast<int>(std::ceil(kScene.height * kSmallest))};
}

int SceneScale::across(int x) const { return static_cast<int>(std::lround(offsetX_ + x * factor_)); }

int SceneScale::down(int y) const { return static_cast<int>(std::lround(offsetY_ + y * factor_)); }

PixelRect SceneScale::place(const ControlRow& row) const {
    Twips t = row.rect;
    if (row.in == Container::Frame1) {
        t.left += rowOf(Control::Frame1).rect.left;
        t.top += rowOf(Control::Frame1).rect.top;
    }
    const int left = toPixels(t.left);
    const int top = toPixels(t.top);
    PixelRect r{across(left), down(top), 0, 0};
    r.width = across(left + toPixels(t.width)) - r.left;
    r.height = down(top + toPixels(t.height)) - r.top;
    if (row.in == Container::Frame1) {
        const Twips& frame = rowOf(Control::Frame1).rect;
        r.left -= across(toPixels(frame.left));
        r.top -= down(toPixels(frame.top));
    }
    return r;
}

int SceneScale::fontPixels(int pixels) const { return std::max(1, scaled(pixels, factor_)); }

int SceneScale::lineWidth() const { return std::max(1, scaled(1, factor_)); }

}  // namespace tolm::layout
