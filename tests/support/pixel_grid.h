// How far a scene picture shown enlarged by a whole factor strays from hard pixel squares.
#pragma once

#include <QImage>
#include <algorithm>

namespace tolm::testing {

// The pixels of `shown` that break the grid of `side`-pixel squares, each the colour of its picture
// pixel: a smoothed picture, or one drawn smaller and stretched, leaves blends or squares of two sizes.
inline int pixelsOffTheGrid(const QImage& shown, const QImage& picture, int side) {
    int wrong = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            wrong += shown.pixel(x, y) !=
                     picture.pixel(std::min(x / side, picture.width() - 1), std::min(y / side, picture.height() - 1));
    return wrong;
}

}  // namespace tolm::testing
