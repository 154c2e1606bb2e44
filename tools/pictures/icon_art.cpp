// The icon is the toll bee in its cap, in front of the panel house of the town scenes.
#include "tools/pictures/icon_art.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tolm::pictures {
namespace {

// Where the 32-pixel drawing puts things; the larger sizes scale these places and add detail.
constexpr int kHouseLeft = 13;
constexpr int kHouseTop = 1;
constexpr std::array<int, 3> kColumns{16, 21, 26};        // window left edges
constexpr std::array<int, 5> kFloors{5, 10, 15, 20, 25};  // window top edges
constexpr int kWindowWidth = 3;
constexpr int kWindowHeight = 3;

// Two lit windows on different floors, as on any evening, both above the bee.
constexpr bool lit(std::size_t floor, std::size_t column) {
    return (floor == 0 && column == 1) || (floor == 1 && column == 2);
}

// A monochrome image keeps the drawing's light parts white and its dark parts black.
Paint ink(Colour colour, bool monochrome) {
    if (!monochrome) return colour;
    const Rgb c = rgb(colour);
    return c.red * 299 + c.green * 587 + c.blue * 114 >= 150'000 ? Colour::White : Colour::Black;
}

// The icon at 32 pixels and up, on a grid of 32 parts.
Canvas drawLarge(int size, bool monochrome) {
    const auto at = [size](int place) { return place * size / 32; };               // an edge
    const auto mid = [size](int place) { return place * size / 32 + size / 64; };  // a pixel's centre
    const int line = std::max(1, size / 32);
    const bool large = size >= 128;  // room for window frames and a face drawn in curves
    const auto paint = [monochrome](Colour colour) { return ink(colour, monochrome); };
    Canvas c(size, size);

    // The house: outline, wall, the roof's edge, the grid of windows.
    const int left = at(kHouseLeft), top = at(kHouseTop);
    c.rect(left, top, size - left, size - top, Colour::Black);
    c.rect(left + line, top + line, size - left - 2 * line, size - top - line, paint(Colour::Silver));
    c.rect(left + line, top + line, size - left - 2 * line, std::max(line, at(2) - line), paint(Colour::Grey));
    for (std::size_t f = 0; f < kFloors.size(); ++f) {
        for (std::size_t k = 0; k < kColumns.size(); ++k) {
            const int x = at(kColumns[k]), y = at(kFloors[f]);
            const int w = at(kColumns[k] + kWindowWidth) - x, h = at(kFloors[f] + kWindowHeight) - y;
            const Colour glass = monochrome ? Colour::Black : lit(f, k) ? Colour::Yellow : Colour::Teal;
            c.rect(x, y, w, h, glass);
            if (large) {  // frame and the upright between the casements
                const int bar = std::max(1, size / 128);
                c.frame(x, y, w, h, Colour::Black, bar);
                c.rect(x + (w - bar) / 2, y, bar, h, Colour::Black);
            }
        }
    }

    // The bee's wings, behind its body.
    for (const auto& [x, y, rx, ry] : {std::array{15, 14, 4, 5}, std::array{21, 15, 3, 4}}) {
        c.ellipse(mid(x), mid(y), at(rx) + line, at(ry) + line, Colour::Black);
        const Paint membrane = monochrome ? Paint(Colour::White) : Paint(Colour::White, Colour::Aqua, Mix::Checker);
        c.ellipse(mid(x), mid(y), at(rx), at(ry), membrane);
    }
    // Its body in stripes, the sting at the back.
    c.polygon({{at(22), at(22)}, {at(28), mid(24)}, {at(22), at(27)}}, Colour::Black);
    c.ellipse(mid(15), mid(24), at(9) + line, at(6) + line, Colour::Black);
    c.ellipse(mid(15), mid(24), at(9), at(6), paint(Colour::Yellow));
    for (const int x : {13, 18}) {  // the stripes stay inside it
        for (int y = at(18); y < at(31); ++y) {
            for (int dx = 0; dx < at(2); ++dx) {
                if (c.at(at(x) + dx, y) == ink(Colour::Yellow, monochrome).first) c.plot(at(x) + dx, y, Colour::Black);
            }
        }
    }
    // Its head, dark, with the two big eyes looking at you.
    c.ellipse(mid(7), mid(19), at(6) + line, at(6) + line, Colour::Black);
    const Paint face = monochrome ? Paint(Colour::Black) : Paint(Colour::Black, Colour::Grey, Mix::Sparse);
    c.ellipse(mid(7), mid(19), at(6), at(6), face);
    if (large) {  // round eyes looking at you, a glint in each, and a wide grin
        for (const int x : {5, 9}) {
            const int pupil = mid(x) + (x == 5 ? line : -line);
            c.ellipse(mid(x), mid(19), at(2) - line / 2, at(2), Colour::White);
            c.ellipse(pupil, mid(20), at(1) / 2 + line / 2, at(1) / 2 + line / 2, Colour::Black);
            c.rect(pupil - line, mid(20) - line, line, line, Colour::White);
        }
        c.polyline({{mid(4), mid(22)}, {mid(7), mid(24)}, {mid(10), mid(22)}}, Colour::White, line);
    } else {
        for (const int x : {4, 8}) {
            c.rect(at(x), at(18), at(3), at(4), Colour::White);
            c.rect(at(x + 1), at(20), at(1), at(1), Colour::Black);  // the pupils, low and inwards
        }
    }
    // The toll collector's cap: the crown, the peak towards you, the badge.
    c.ellipse(mid(7), mid(13), at(6) + line, at(3) + line, Colour::Black);
    // In black and white the cap is white on the dark head, its badge black.
    c.ellipse(mid(7), mid(13), at(6), at(3), monochrome ? Colour::White : Colour::Navy);
    c.rect(at(0), at(15), at(9), at(2), Colour::Black);
    c.rect(at(8), at(11), at(2), at(2), monochrome ? Colour::Black : Colour::Yellow);
    return c;
}

// The icon at 16 pixels, placed pixel by pixel: the house's windows a crisp grid of two by two
// with a pixel of wall between, the bee in its cap in front of the lower left. K black, G grey,
// S silver, T teal, L a lit window, Y the bee's yellow, N navy, W white; a dot is clear.
constexpr std::array<std::string_view, 16> kSmall{
    "....KKKKKKKKKKKK", "....KGGGGGGGGGGK", "....KSSSSSSSSSSK", "....KSTTSLLSTTSK",
    "....KSTTSLLSTTSK", "....KSSSSSSSSSSK", "....KSTTSTTSLLSK", ".KKKKSTTSTTSLLSK",
    "KNNYNKKKSSSSSSSK", "KKKKKKWWKTTSTTSK", "KKKKKKWWKTTSTTSK", "KWKWKKKKKKSSSSSK",
    "KWKWKYKYYKTSTTSK", "KKKKKYKYYYKSTTSK", ".KKKKKKKKKSSSSSK", "....KSSSSSSSSSSK",
};

Canvas drawSmall(bool monochrome) {
    Canvas c(16, 16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const char code = kSmall[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            if (code == '.') continue;
            // In black and white every window stays dark, lit or not, so the grid stays whole.
            if (code == 'L' && monochrome) {
                c.plot(x, y, Colour::Black);
                continue;
            }
            const Colour colour = code == 'K'                  ? Colour::Black
                                  : code == 'G'                ? Colour::Grey
                                  : code == 'S'                ? Colour::Silver
                                  : code == 'T'                ? Colour::Teal
                                  : code == 'Y' || code == 'L' ? Colour::Yellow
                                  : code == 'N'                ? Colour::Navy
                                                               : Colour::White;
            c.plot(x, y, ink(colour, monochrome));
        }
    }
    return c;
}

}  // namespace

Canvas drawIcon(int size, bool monochrome) { return size == 16 ? drawSmall(monochrome) : drawLarge(size, monochrome); }

Canvas drawThemeIcon(int size) { return drawIcon(size, false); }

// A launcher may cut the icon to any shape that keeps the circle of four fifths of its width
// around the centre. The drawing's farthest corner lies 0.71 of its width from its centre; drawn
// at half the square, it reaches 0.36 of the square's width, so the cut never touches it.
Canvas drawMaskableIcon(int size) {
    Canvas c(size, size, Colour::Navy);  // the evening sky its two windows are lit against
    const int artSize = size / 2;
    const Canvas art = drawThemeIcon(artSize);
    const int offset = (size - artSize) / 2;
    for (int y = 0; y < artSize; ++y) {
        for (int x = 0; x < artSize; ++x) {
            if (art.opaque(x, y)) c.plot(offset + x, offset + y, art.at(x, y));
        }
    }
    return c;
}

}  // namespace tolm::pictures
