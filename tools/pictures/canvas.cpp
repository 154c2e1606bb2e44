// The strokes work in whole pixels and integer arithmetic only, so that every build of the
// drawing program, on any compiler, puts the same colour on the same pixel.
#include "tools/pictures/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "tools/pictures/font.h"

namespace tolm::pictures {
namespace {

// The largest integer not above n / d, for d > 0.
long long floorDiv(long long n, long long d) {
    const long long q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}

// Whether the pixel (dx, dy) from an ellipse's centre lies inside it. The radii are taken
// half a pixel wider, which gives round outlines instead of a pointed top and bottom.
bool insideEllipse(long long dx, long long dy, long long rx, long long ry) {
    const long long a = (2 * rx + 1) * (2 * rx + 1);
    const long long b = (2 * ry + 1) * (2 * ry + 1);
    return 4 * dx * dx * b + 4 * dy * dy * a <= a * b;
}

// Decodes one UTF-8 sequence and advances past it; a broken sequence reads as a space.
char32_t nextLetter(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int extra = 0;
    char32_t c = lead;
    if (lead >= 0xF0) {
        extra = 3;
        c = lead & 0x07;
    } else if (lead >= 0xE0) {
        extra = 2;
        c = lead & 0x0F;
    } else if (lead >= 0xC0) {
        extra = 1;
        c = lead & 0x1F;
    }
    ++i;
    for (int k = 0; k < extra; ++k, ++i) {
        if (i >= text.size() || (byte(i) & 0xC0) != 0x80) return U' ';
        c = (c << 6) | (byte(i) & 0x3F);
    }
    return c;
}

}  // namespace

Colour Paint::at(int x, int y) const {
    switch (mix) {
        case Mix::Solid: return first;
        case Mix::Checker: return ((x + y) & 1) != 0 ? second : first;
        case Mix::Sparse: return ((x & 1) == 0 && (y & 1) == 0) ? second : first;
        case Mix::Rows: return (y & 1) != 0 ? second : first;
    }
    return first;
}

Canvas::Canvas(int width, int height, Colour background)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width * height), static_cast<std::uint8_t>(background)) {}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), kClear) {}

void Canvas::plot(int x, int y, Paint p) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y * width_ + x)] = static_cast<std::uint8_t>(p.at(x, y));
}

void Canvas::span(int y, int x0, int x1, Paint p) {
    if (y < 0 || y >= height_) return;
    for (int x = std::max(x0, 0); x <= std::min(x1, width_ - 1); ++x) plot(x, y, p);
}

void Canvas::fill(Paint p) { rect(0, 0, width_, height_, p); }

void Canvas::rect(int x, int y, int w, int h, Paint p) {
    for (int row = y; row < y + h; ++row) span(row, x, x + w - 1, p);
}

void Canvas::frame(int x, int y, int w, int h, Paint p, int thickness) {
    rect(x, y, w, thickness, p);
    rect(x, y + h - thickness, w, thickness, p);
    rect(x, y, thickness, h, p);
    rect(x + w - thickness, y, thickness, h, p);
}

void Canvas::line(Point a, Point b, Paint p, int thickness) {
    // Bresenham's walk, stamping a square brush centred on each step.
    const int dx = std::abs(b.x - a.x);
    const int dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1;
    const int sy = a.y < b.y ? 1 : -1;
    const int back = (thickness - 1) / 2;
    int err = dx + dy;
    for (Point at = a;;) {
        rect(at.x - back, at.y - back, thickness, thickness, p);
        if (at.x == b.x && at.y == b.y) break;
        const int twice = 2 * err;
        if (twice >= dy) {
            err += dy;
            at.x += sx;
        }
        if (twice <= dx) {
            err += dx;
            at.y += sy;
        }
    }
}

void Canvas::polyline(std::initializer_list<Point> points, Paint p, int thickness) {
    for (std::size_t i = 1; i < points.size(); ++i) {
        line(points.begin()[i - 1], points.begin()[i], p, thickness);
    }
}

void Canvas::ellipse(int cx, int cy, int rx, int ry, Paint p) {
    for (int dy = -ry; dy <= ry; ++dy) {
        int reach = rx;
        while (reach >= 0 && !insideEllipse(reach, dy, rx, ry)) --reach;
        if (reach >= 0) span(cy + dy, cx - reach, cx + reach, p);
    }
}

void Canvas::ring(int cx, int cy, int rx, int ry, Paint p, int thickness) {
    const int irx = rx - thickness;
    const int iry = ry - thickness;
    for (int dy = -ry; dy <= ry; ++dy) {
        for (int dx = -rx; dx <= rx; ++dx) {
            const bool inner = irx >= 0 && iry >= 0 && insideEllipse(dx, dy, irx, iry);
            if (insideEllipse(dx, dy, rx, ry) && !inner) plot(cx + dx, cy + dy, p);
        }
    }
}

void Canvas::polygon(std::initializer_list<Point> points, Paint p) {
    const std::vector<Point> v(points);
    if (v.size() < 3) return;
    int top = v[0].y;
    int bottom = v[0].y;
    for (const Point& q : v) {
        top = std::min(top, q.y);
        bottom = std::max(bottom, q.y);
    }
    std::vector<long long> starts;  // first pixel whose centre lies right of a crossing
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
        starts.clear();
        // The scan line runs through the pixel centres, at y + 1/2; in half pixels, 2y + 1.
        const long long scan = 2LL * y + 1;
        for (std::size_t i = 0; i < v.size(); ++i) {
            const Point a = v[i];
            const Point b = v[(i + 1) % v.size()];
            const long long ay = 2LL * a.y;
            const long long by = 2LL * b.y;
            if ((ay <= scan) == (by <= scan)) continue;
            // Crossing at x = a.x + (scan - ay) (b.x - a.x) / (by - ay), as num / den.
            long long den = by - ay;
            long long num = a.x * den + (scan - ay) * (b.x - a.x);
            if (den < 0) {
                den = -den;
                num = -num;
            }
            // The first pixel centre at or right of the crossing: ceil(x - 1/2).
            starts.push_back(-floorDiv(-(2 * num - den), 2 * den));
        }
        std::sort(starts.begin(), starts.end());
        for (std::size_t i = 0; i + 1 < starts.size(); i += 2) {
            span(y, static_cast<int>(starts[i]), static_cast<int>(starts[i + 1]) - 1, p);
        }
    }
}

void Canvas::text(int x, int y, std::string_view utf8, Paint p, int scale) {
    const auto stamp = [&](int gx, int gy, std::uint8_t bits) {
        for (int col = 0; col < kGlyphWidth; ++col) {
            if ((bits >> (kGlyphWidth - 1 - col) & 1) != 0) {
                rect(gx + col * scale, gy, scale, scale, p);
            }
        }
    };
    for (std::size_t i = 0; i < utf8.size();) {
        if (const auto g = glyph(nextLetter(utf8, i))) {
            const auto accent = accentRows(g->accent);
            for (int row = 0; row < 3; ++row) stamp(x, y + (row - 3) * scale, accent[row]);
            for (int row = 0; row < kGlyphHeight; ++row) stamp(x, y + row * scale, g->rows[row]);
        }
        x += kGlyphAdvance * scale;
    }
}

int Canvas::textWidth(std::string_view utf8, int scale) {
    int letters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++letters) nextLetter(utf8, i);
    return letters == 0 ? 0 : (letters * kGlyphAdvance - 1) * scale;
}

}  // namespace tolm::pictures
