// The scene's fixed 801×577 pixels fitted into a window of any size: one factor, centred.
#pragma once

#include "layout/layout.h"

namespace tolm::layout {

struct PixelSize {
    int width, height;
    bool operator==(const PixelSize&) const = default;
};

struct PixelRect {
    int left, top, width, height;
    bool operator==(const PixelRect&) const = default;
};

class SceneScale {
public:
    // The scene as the layout draws it, and the smallest factor the window may shrink it to.
    static constexpr PixelSize kScene{toPixels(kRestoredClientArea.width), toPixels(kRestoredClientArea.height)};
    static constexpr double kSmallest = 0.5;

    // The scene at its own size in the top-left corner.
    SceneScale() = default;

    // The largest factor at which the whole scene fits the client area, centred in it.
    static SceneScale fitting(PixelSize clientArea);

    // The smallest client area that still shows the scene at kSmallest.
    static PixelSize smallestClientArea();

    double factor() const { return factor_; }
    // Where the scene's top-left corner lies in the window.
    double offsetX() const { return offsetX_; }
    double offsetY() const { return offsetY_; }

    // A row's rectangle in its container's pixels.
    PixelRect place(const ControlRow& row) const;

    // A font's pixel size at this factor, never below one pixel.
    int fontPixels(int pixels) const;

    // Outlines thicken with the scene, whole pixels so that their edges stay sharp.
    int lineWidth() const;

    bool operator==(const SceneScale&) const = default;

private:
    SceneScale(double factor, double offsetX, double offsetY) : factor_(factor), offsetX_(offsetX), offsetY_(offsetY) {}

    // A scene pixel's edge in window pixels, across and down.
    int across(int x) const;
    int down(int y) const;

    double factor_ = 1.0;
    double offsetX_ = 0.0;
    double offsetY_ = 0.0;
};

}  // namespace tolm::layout
