// The icon is the panel house of the town scenes: a grey block, its windows, one lit.
#include "tools/pictures/icon_art.h"

#include <algorithm>
#include <array>

namespace tolm::pictures {
namespace {

struct Layout {
    int left, top, width, height;  // the outline, door included
    std::array<int, 3> columns;    // window left edges
    std::array<int, 4> floors;     // window top edges; a 0 leaves the floor out
    int window;                    // window width and height
    int doorLeft, doorTop, doorWidth;
};

constexpr Layout kLarge{5, 2, 22, 30, {8, 14, 20}, {7, 12, 17, 22}, 4, 14, 26, 4};
constexpr Layout kSmall{2, 1, 12, 15, {4, 7, 10}, {4, 7, 10, 0}, 2, 7, 12, 2};

}  // namespace

Canvas drawIcon(int size, bool monochrome) {
    const Layout& l = size == 16 ? kSmall : kLarge;
    const int bottom = l.top + l.height;
    Canvas c(size, size);
    c.rect(l.left, l.top, l.width, l.height, Colour::Black);
    c.rect(l.left + 1, l.top + 1, l.width - 2, l.height - 1, monochrome ? Colour::White : Colour::Silver);
    if (!monochrome) c.rect(l.left + 1, l.top + 1, l.width - 2, size / 16, Colour::Grey);
    for (std::size_t f = 0; f < l.floors.size(); ++f) {
        if (l.floors[f] == 0) continue;
        for (std::size_t k = 0; k < l.columns.size(); ++k) {
            // Two lit windows on different floors, as on any evening.
            const bool lit = (f == 1 && k == 0) || (f == 2 && k == 2);
            const Colour glass = monochrome ? Colour::Black : lit ? Colour::Yellow : Colour::Teal;
            c.rect(l.columns[k], l.floors[f], l.window, l.window * 3 / 4 + 1, glass);
            if (!monochrome && k == 1) {  // the middle stack's balconies
                c.rect(l.columns[k] - 1, l.floors[f] + l.window * 3 / 4 + 1, l.window + 2, 1, Colour::Red);
            }
        }
    }
    c.rect(l.doorLeft, l.doorTop, l.doorWidth, bottom - l.doorTop, monochrome ? Colour::Black : Colour::Maroon);
    return c;
}

// The same house at the sizes of a dock or a software centre: every part stays where the
// 32-pixel drawing puts it, and the room a larger image has goes into detail (panel seams,
// window frames, a shaded side, the antenna on the roof), never into blur.
Canvas drawThemeIcon(int size) {
    if (size <= 32) return drawIcon(size, false);
    const auto at = [size](int place) { return place * size / 32; };  // a place on the 32-pixel grid
    const int line = std::max(1, size / 48);
    const bool roomy = size >= 64;
    const bool large = size >= 128;
    const int left = at(kLarge.left), top = at(kLarge.top);
    const int width = at(kLarge.left + kLarge.width) - left;
    const int window = at(kLarge.window);
    Canvas c(size, size);

    if (roomy) {  // the television antenna, as on every roof of the estate
        const int mast = left + width * 3 / 4;
        c.rect(mast, 0, line, top, Colour::Black);
        const int rods = large ? 3 : 1;
        const int rod = std::max(1, line / 2);
        for (int r = 1; r <= rods; ++r) {
            const int reach = r * at(1) / 2 + rod;
            c.rect(mast + line / 2 - reach, (r - 1) * top / rods + rod / 2, 2 * reach, rod, Colour::Black);
        }
    }
    c.rect(left, top, width, size - top, Colour::Black);
    const int wallLeft = left + line, wallWidth = width - 2 * line;
    c.rect(wallLeft, top + line, wallWidth, size - top - line, Colour::Silver);
    if (roomy) {  // the side away from the light
        c.rect(wallLeft + wallWidth - at(1), top + line, at(1), size - top - line,
               Paint(Colour::Silver, Colour::Grey, Mix::Checker));
    }
    c.rect(wallLeft, top + line, wallWidth, at(2), Colour::Grey);

    if (roomy) {  // the seams between the concrete panels, one a floor and a window bay wide
        for (std::size_t f = 1; f < kLarge.floors.size(); ++f) {
            const int y = (at(kLarge.floors[f - 1]) + window + at(kLarge.floors[f])) / 2;
            c.rect(wallLeft, y, wallWidth, line, Colour::Grey);
        }
        for (std::size_t k = 1; k < kLarge.columns.size(); ++k) {
            const int x = (at(kLarge.columns[k - 1]) + window + at(kLarge.columns[k])) / 2;
            c.rect(x, top + line + at(2), line, size - top - line - at(2), Colour::Grey);
        }
    }

    for (std::size_t f = 0; f < kLarge.floors.size(); ++f) {
        for (std::size_t k = 0; k < kLarge.columns.size(); ++k) {
            const int x = at(kLarge.columns[k]), y = at(kLarge.floors[f]);
            const bool lit = (f == 1 && k == 0) || (f == 2 && k == 2);
            c.rect(x, y, window, window, lit ? Colour::Yellow : Colour::Teal);
            if (roomy) {  // frame, the upright between the casements and the fanlight's bar
                c.frame(x, y, window, window, Colour::Black, line);
                c.rect(x + (window - line) / 2, y, line, window, Colour::Black);
                c.rect(x, y + window / 3, window, line, Colour::Black);
            }
            if (large && !lit) {  // the evening sky in the glass
                c.line({x + 2 * line, y + window / 3 + 2 * line}, {x + window / 2 - 2 * line, y + window - 2 * line},
                       Colour::Aqua, line);
            }
            if (k == 1) {  // the middle stack's balconies
                const int ledge = y + window;
                c.rect(x - at(1), ledge, window + 2 * at(1), at(1), Colour::Red);
                if (roomy) c.rect(x - at(1), ledge + at(1) - line, window + 2 * at(1), line, Colour::Maroon);
            }
        }
    }

    const int doorLeft = at(kLarge.doorLeft), doorTop = at(kLarge.doorTop), doorWidth = at(kLarge.doorWidth);
    c.rect(doorLeft, doorTop, doorWidth, size - doorTop, Colour::Maroon);
    if (roomy) {  // the glass of the door and its handle
        c.rect(doorLeft + 2 * line, doorTop + 2 * line, doorWidth - 4 * line, (size - doorTop) / 2 - 2 * line,
               Colour::Teal);
        c.rect(doorLeft + doorWidth - 3 * line, doorTop + (size - doorTop) * 2 / 3, line, 2 * line,
               Colour::Yellow);
    }
    return c;
}

// A launcher may cut the icon to any shape that keeps the circle of four fifths of its width
// around the centre. The house, 22 of 32 parts wide and 32 high, drawn at five eighths of the
// square, reaches at most 0.38 of the width from the centre, so the cut never touches it.
Canvas drawMaskableIcon(int size) {
    Canvas c(size, size, Colour::Navy);  // the evening sky its two windows are lit against
    const int houseSize = size * 5 / 8;
    const Canvas house = drawThemeIcon(houseSize);
    const int offset = (size - houseSize) / 2;
    for (int y = 0; y < houseSize; ++y) {
        for (int x = 0; x < houseSize; ++x) {
            if (house.opaque(x, y)) c.plot(offset + x, offset + y, house.at(x, y));
        }
    }
    return c;
}

}  // namespace tolm::pictures
