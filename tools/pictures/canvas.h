// A grid of palette pixels and the few drawing strokes the pictures and icons are made of.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "tools/pictures/palette.h"

namespace tolm::pictures {

// Sixteen colours are few, so in-between tones are two colours mixed in a fixed pattern.
enum class Mix : std::uint8_t {
    Solid,    // first colour only
    Checker,  // half and half
    Sparse,   // the second colour on one pixel in four
    Rows,     // the second colour on every other row
};

struct Paint {
    Colour first;
    Colour second;
    Mix mix;

    // Implicit, so that a plain colour can be passed wherever a paint is wanted.
    constexpr Paint(Colour c) : first(c), second(c), mix(Mix::Solid) {}
    constexpr Paint(Colour a, Colour b, Mix m) : first(a), second(b), mix(m) {}

    // The pattern is anchored to the canvas, so neighbouring shapes mix seamlessly.
    Colour at(int x, int y) const;
};

struct Point {
    int x, y;
};

class Canvas {
public:
    // A canvas without a background starts clear; only icon images may keep clear pixels.
    Canvas(int width, int height, Colour background);
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool opaque(int x, int y) const { return pixel(x, y) != kClear; }
    Colour at(int x, int y) const { return static_cast<Colour>(pixel(x, y)); }

    // Every stroke is clipped to the canvas, so a drawing may run past its edges.
    void plot(int x, int y, Paint p);
    void fill(Paint p);
    void rect(int x, int y, int w, int h, Paint p);
    void frame(int x, int y, int w, int h, Paint p, int thickness = 1);
    void line(Point a, Point b, Paint p, int thickness = 1);
    void polyline(std::initializer_list<Point> points, Paint p, int thickness = 1);
    // Filled, centred on the pixel (cx, cy), 2 rx + 1 wide and 2 ry + 1 high.
    void ellipse(int cx, int cy, int rx, int ry, Paint p);
    void ring(int cx, int cy, int rx, int ry, Paint p, int thickness = 1);
    // Filled by the even-odd rule; a pixel belongs to the shape when its centre does.
    void polygon(std::initializer_list<Point> points, Paint p);
    // Capitals, digits and Czech accents, 5 x 7 pixels a letter times scale; y is the
    // top of the capitals, and accents stand above it.
    void text(int x, int y, std::string_view utf8, Paint p, int scale = 1);
    static int textWidth(std::string_view utf8, int scale = 1);

private:
    static constexpr std::uint8_t kClear = 0xFF;

    std::uint8_t pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    void span(int y, int x0, int x1, Paint p);  // x0 up to and including x1

    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace tolm::pictures
