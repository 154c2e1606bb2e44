// The scene's fixed 801×577 pixels fitted into a window of any size: one factor, centred.
#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

#include "layout/layout.h"

namespace tolm::desktop {

class SceneScale {
public:
    // The scene as the layout draws it, and the smallest factor the window may shrink it to.
    static constexpr QSize kScene{layout::toPixels(layout::kRestoredClientArea.width),
                                  layout::toPixels(layout::kRestoredClientArea.height)};
    static constexpr double kSmallest = 0.5;

    // The scene at its own size in the top-left corner.
    SceneScale() = default;

    // The largest factor at which the whole scene fits the client area, centred in it.
    static SceneScale fitting(QSize clientArea);

    // The smallest client area that still shows the scene at kSmallest.
    static QSize smallestClientArea();

    double factor() const { return factor_; }
    // Where the scene's top-left corner lies in the window.
    QPointF offset() const { return offset_; }

    // A row's rectangle in its container's pixels.
    QRect place(const layout::ControlRow& row) const;

    // A font's pixel size at this factor, never below one pixel.
    int fontPixels(int pixels) const;

    // Outlines thicken with the scene, whole pixels so that their edges stay sharp.
    int lineWidth() const;

    bool operator==(const SceneScale&) const = default;

private:
    SceneScale(double factor, QPointF offset) : factor_(factor), offset_(offset) {}

    // A scene pixel's edge in window pixels, across and down.
    int across(int x) const;
    int down(int y) const;

    double factor_ = 1.0;
    QPointF offset_;
};

}  // namespace tolm::desktop
