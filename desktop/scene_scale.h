// The layout's scale rule in Qt's types: the scene fitted into the window, one factor, centred.
#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

#include "layout/layout.h"
#include "layout/scene_scale.h"

namespace tolm::desktop {

class SceneScale {
public:
    static constexpr QSize kScene{layout::SceneScale::kScene.width, layout::SceneScale::kScene.height};

    // The scene at its own size in the top-left corner.
    SceneScale() = default;

    static SceneScale fitting(QSize clientArea) {
        return SceneScale(layout::SceneScale::fitting({clientArea.width(), clientArea.height()}));
    }

    static QSize smallestClientArea() {
        const layout::PixelSize s = layout::SceneScale::smallestClientArea();
        return {s.width, s.height};
    }

    double factor() const { return rule_.factor(); }
    // Where the scene's top-left corner lies in the window.
    QPointF offset() const { return {rule_.offsetX(), rule_.offsetY()}; }

    // A row's rectangle in its container's pixels.
    QRect place(const layout::ControlRow& row) const {
        const layout::PixelRect r = rule_.place(row);
        return {r.left, r.top, r.width, r.height};
    }

    int fontPixels(int pixels) const { return rule_.fontPixels(pixels); }
    int lineWidth() const { return rule_.lineWidth(); }

    bool operator==(const SceneScale&) const = default;

private:
    explicit SceneScale(const layout::SceneScale& rule) : rule_(rule) {}

    layout::SceneScale rule_;
};

}  // namespace tolm::desktop
