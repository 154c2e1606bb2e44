// The icon is the panel house of the town scenes: a grey block, its windows, one lit.
#include "tools/pictures/icon_art.h"

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

}  // namespace tolm::pictures
