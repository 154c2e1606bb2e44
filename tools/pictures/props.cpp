// Shared pieces of scenery and the cartoon person; sizes follow from a few numbers so that
// the same piece serves near and far.
#include "tools/pictures/props.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace tolm::pictures {
namespace {

constexpr int kPanelCellWidth = 22;
constexpr int kPanelFloorHeight = 18;
constexpr int kPanelMargin = 6;

}  // namespace

int Random::below(int bound) {
    // xorshift32: small, and the same numbers everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<int>(state_ % static_cast<std::uint32_t>(bound));
}

void sky(Canvas& c, int top, int bottom, Colour upper, Colour lower) {
    const Paint bands[] = {
        upper, Paint(upper, lower, Mix::Sparse), Paint(upper, lower, Mix::Checker), Paint(lower, upper, Mix::Sparse),
        lower,
    };
    const int height = bottom - top;
    for (int i = 0; i < 5; ++i) {
        const int y0 = top + height * i / 5;
        const int y1 = top + height * (i + 1) / 5;
        c.rect(0, y0, c.width(), y1 - y0, bands[i]);
    }
}

void cloud(Canvas& c, int x, int y, int size) {
    c.ellipse(x, y + size / 3, size * 2, size / 2, Colour::Silver);
    c.ellipse(x - size, y + size / 5, size, size * 2 / 3, Colour::White);
    c.ellipse(x + size / 2, y - size / 5, size * 6 / 5, size, Colour::White);
    c.ellipse(x + size * 3 / 2, y + size / 4, size * 4 / 5, size / 2, Colour::White);
}

void grass(Canvas& c, Random& random, int x, int y, int w, int h) {
    c.rect(x, y, w, h, Colour::Green);
    for (int i = 0; i < w * h / 40; ++i) {
        const int gx = x + random.below(w);
        const int gy = y + random.below(h);
        const Colour blade = random.below(3) == 0 ? Colour::Olive : Colour::Lime;
        c.line({gx, gy}, {gx + random.below(3) - 1, gy - 2}, blade);
    }
}

void pavement(Canvas& c, int x, int y, int w, int h) {
    c.rect(x, y, w, h, Colour::Silver);
    for (int row = y; row < y + h; row += 12) {
        c.rect(x, row, w, 1, Colour::Grey);
        const int shift = ((row - y) / 12) % 2 == 0 ? 0 : 12;
        for (int col = x + shift; col < x + w; col += 24) c.rect(col, row, 1, 12, Colour::Grey);
    }
}

void bricks(Canvas& c, int x, int y, int w, int h, Colour brick, Colour mortar) {
    c.rect(x, y, w, h, brick);
    for (int row = y; row < y + h; row += 7) {
        c.rect(x, row, w, 1, mortar);
        const int shift = ((row - y) / 7) % 2 == 0 ? 0 : 8;
        for (int col = x + shift; col < x + w; col += 16) c.rect(col, row, 1, 7, mortar);
    }
}

void tree(Canvas& c, int x, int ground, int size) {
    c.rect(x - size / 8, ground - size, size / 4, size, Colour::Maroon);
    c.rect(x - size / 8, ground - size, size / 12 + 1, size, Colour::Black);
    c.ellipse(x, ground - size, size / 2 + 1, size / 2 + 1, Colour::Black);
    c.ellipse(x, ground - size, size / 2, size / 2, Colour::Green);
    c.ellipse(x - size / 6, ground - size - size / 6, size / 4, size / 5,
              Paint(Colour::Green, Colour::Lime, Mix::Checker));
}

void lampPost(Canvas& c, int x, int ground, int height, bool lit) {
    c.rect(x - 2, ground - height, 4, height, Colour::Black);
    c.rect(x - 1, ground - height, 2, height, Colour::Grey);
    c.polygon({{x - 2, ground - height}, {x + 14, ground - height - 4}, {x + 14, ground - height}}, Colour::Black);
    c.ellipse(x + 14, ground - height + 1, 5, 3, Colour::Black);
    c.ellipse(x + 14, ground - height + 2, 4, 2, lit ? Colour::Yellow : Colour::Silver);
}

int panelHouseWidth(int columns) { return columns * kPanelCellWidth + 2 * kPanelMargin; }
int panelHouseHeight(int floors) { return floors * kPanelFloorHeight + 2 * kPanelMargin; }

void panelHouse(Canvas& c, const PanelHouse& h) {
    Random lights(h.seed);
    const int w = panelHouseWidth(h.columns);
    const int ht = panelHouseHeight(h.floors);
    c.rect(h.x - 1, h.y - 1, w + 2, ht + 2, Colour::Black);
    c.rect(h.x, h.y, w, ht, Colour::Silver);
    c.rect(h.x, h.y, w, 4, Colour::Grey);  // the flat roof's edge
    for (int floor = 0; floor < h.floors; ++floor) {
        const int fy = h.y + kPanelMargin + floor * kPanelFloorHeight;
        c.rect(h.x, fy - 1, w, 1, Colour::Grey);  // panel joint
        for (int col = 0; col < h.columns; ++col) {
            const int wx = h.x + kPanelMargin + col * kPanelCellWidth + 3;
            const bool lit = lights.below(4) == 0;
            c.rect(wx - 1, fy + 2, 16, 11, Colour::Black);
            c.rect(wx, fy + 3, 14, 9, lit ? Colour::Yellow : Colour::Teal);
            if (!lit) c.rect(wx + 2, fy + 4, 3, 2, Colour::Aqua);  // a glint on the glass
            c.rect(wx + 6, fy + 3, 1, 9, Colour::Black);
            // Every other stack of rooms has its balcony in the house colour.
            if (col % 2 == 1) c.rect(wx - 2, fy + 11, 18, 5, Paint(h.balconies));
        }
    }
}

void board(Canvas& c, int x, int y, int w, int h, std::string_view text, Paint face, Colour ink, int scale) {
    c.rect(x, y, w, h, Colour::Black);
    c.rect(x + 1, y + 1, w - 2, h - 2, face);
    const int tw = Canvas::textWidth(text, scale);
    c.text(x + (w - tw) / 2, y + (h - 7 * scale) / 2 + scale / 2, text, ink, scale);
}

void door(Canvas& c, int x, int y, int w, int h, Colour leaf) {
    c.rect(x - 3, y - 3, w + 6, h + 3, Colour::Black);
    c.rect(x - 2, y - 2, w + 4, h + 2, Colour::Grey);
    c.rect(x, y, w, h, Colour::Black);
    c.rect(x + 1, y + 1, w - 2, h - 1, leaf);
    c.frame(x + 5, y + 6, w - 10, h / 2 - 10, Colour::Black);
    c.frame(x + 5, y + h / 2 + 2, w - 10, h / 2 - 10, Colour::Black);
    c.rect(x + w - 10, y + h / 2 - 3, 6, 3, Colour::Black);
    c.rect(x + w - 9, y + h / 2 - 2, 4, 1, Colour::Yellow);
}

namespace {

// A seated person's head and body sit lower by the part of the legs that points at the viewer.
int seatDrop(const Person& p) { return p.seated ? p.height * 7 / 50 : 0; }

void eye(Canvas& c, int x, int y, int rx, int ry, Mood mood, bool left) {
    if (mood == Mood::Fainted) {
        c.line({x - rx, y - ry}, {x + rx, y + ry}, Colour::Black, 2);
        c.line({x - rx, y + ry}, {x + rx, y - ry}, Colour::Black, 2);
        return;
    }
    if (mood == Mood::Wink && left) {
        c.polyline({{x - rx - 1, y + 1}, {x, y - 2}, {x + rx + 1, y + 1}}, Colour::Black, 2);
        return;
    }
    c.ellipse(x, y, rx + 1, ry + 1, Colour::Black);
    c.ellipse(x, y, rx, ry, Colour::White);
    const int look = mood == Mood::Scared ? 0 : 1;
    c.rect(x - 1 + look, y - 1 + look, 2 + rx / 3, 2 + ry / 3, Colour::Black);
}

void mouth(Canvas& c, Point m, int w, int r, Mood mood) {
    switch (mood) {
        case Mood::Calm: c.line({m.x - w / 2, m.y}, {m.x + w / 2, m.y}, Colour::Black, 2); break;
        case Mood::Angry:
        case Mood::Sad:
            c.polyline({{m.x - w, m.y + 3}, {m.x - w / 2, m.y}, {m.x + w / 2, m.y}, {m.x + w, m.y + 3}}, Colour::Black,
                       2);
            break;
        case Mood::Wink:
            c.polyline({{m.x - w, m.y - 3}, {m.x - w / 2, m.y}, {m.x + w / 2, m.y}, {m.x + w, m.y - 3}}, Colour::Red,
                       3);
            break;
        case Mood::Grin:
            c.polygon({{m.x - w - 2, m.y - 2},
                       {m.x + w + 2, m.y - 2},
                       {m.x + w / 2, m.y + r / 4},
                       {m.x - w / 2, m.y + r / 4}},
                      Colour::Black);
            c.rect(m.x - w, m.y - 1, 2 * w, 2, Colour::White);
            break;
        case Mood::Scared:
            c.ellipse(m.x, m.y + 1, r / 6 + 1, r / 5 + 1, Colour::Black);
            c.ellipse(m.x, m.y + 1, r / 6 - 1, r / 5 - 1, Colour::Maroon);
            break;
        case Mood::Fainted:
            c.polyline({{m.x - w, m.y}, {m.x - w / 2, m.y - 2}, {m.x, m.y}, {m.x + w / 2, m.y - 2}, {m.x + w, m.y}},
                       Colour::Black, 2);
            c.ellipse(m.x + w / 2, m.y + 3, 3, 4, Colour::Red);  // the tongue
            break;
    }
}

}  // namespace

Point headCentre(const Person& p) { return {p.x, p.feet - p.height + seatDrop(p) + headRadius(p)}; }
int headRadius(const Person& p) { return p.height / 6; }

void person(Canvas& c, const Person& p) {
    const int r = headRadius(p);
    const Point head = headCentre(p);
    const int shoulders = head.y + r + r / 5;
    const int hips = p.feet - p.height * 7 / 20 + seatDrop(p);
    const int half = r * 9 / 10;
    const int limb = std::max(3, r / 3);

    // Legs and shoes; seated, the thighs come forward to the knees first.
    for (int side : {-1, 1}) {
        const Point hip{p.x + side * half / 2, hips};
        const Point knee{p.x + side * half * 5 / 6, hips + limb};
        const Point ankle{p.x + side * half * 2 / 3, p.feet - limb};
        if (p.seated) {
            c.polyline({hip, knee, ankle}, Colour::Black, limb + 2);
            c.polyline({hip, knee, ankle}, p.trousers, limb);
        } else {
            c.line(hip, ankle, Colour::Black, limb + 2);
            c.line(hip, ankle, p.trousers, limb);
        }
        c.ellipse(ankle.x + side * limb / 2, p.feet - limb / 2, limb, limb / 2 + 1, Colour::Black);
    }
    // Neck, then the body.
    c.rect(p.x - r / 3 - 1, head.y + r / 2, 2 * (r / 3) + 2, shoulders - head.y - r / 2 + 1, Colour::Black);
    c.rect(p.x - r / 3, head.y + r / 2, 2 * (r / 3), shoulders - head.y - r / 2 + 1, p.skin);
    c.polygon({{p.x - half - 1, shoulders - 1},
               {p.x + half + 1, shoulders - 1},
               {p.x + half * 6 / 5 + 1, hips + 2},
               {p.x - half * 6 / 5 - 1, hips + 2}},
              Colour::Black);
    c.polygon({{p.x - half, shoulders},
               {p.x + half, shoulders},
               {p.x + half * 6 / 5, hips + 1},
               {p.x - half * 6 / 5, hips + 1}},
              p.shirt);
    // Arms and hands.
    for (const auto& [side, hand] : {std::pair{-1, p.leftHand}, std::pair{1, p.rightHand}}) {
        const Point shoulder{p.x + side * (half - limb / 2), shoulders + limb / 2};
        c.line(shoulder, hand, Colour::Black, limb + 2);
        c.line(shoulder, hand, p.shirt, limb);
        c.ellipse(hand.x, hand.y, limb * 2 / 3 + 1, limb * 2 / 3 + 1, Colour::Black);
        c.ellipse(hand.x, hand.y, limb * 2 / 3, limb * 2 / 3, p.skin);
    }
    // Head: hair first, the face over its lower part, then the ears.
    c.ellipse(head.x, head.y, r + 1, r + 1, Colour::Black);
    c.ellipse(head.x, head.y, r, r, p.hair);
    c.ellipse(head.x, head.y + r / 5, r - 1, r * 4 / 5, p.skin);
    for (int side : {-1, 1}) {
        c.ellipse(head.x + side * r, head.y + r / 6, r / 6 + 1, r / 4 + 1, Colour::Black);
        c.ellipse(head.x + side * r, head.y + r / 6, r / 6, r / 4, p.skin);
    }

    // Face.
    const int eyeY = head.y;
    const int eyeDx = r * 2 / 5;
    const int eyeRx = std::max(2, r / 5);
    const int eyeRy = std::max(2, r / 4);
    const bool paleHair = p.hair.first == Colour::White || p.hair.first == Colour::Silver;
    for (int side : {-1, 1}) {
        const int ex = head.x + side * eyeDx;
        eye(c, ex, eyeY, eyeRx, eyeRy, p.mood, side == -1);
        // Brows: inner ends low when angry, high when sad or scared.
        const int inner = ex - side * eyeRx;
        const int outer = ex + side * (eyeRx + 1);
        const int browY = eyeY - eyeRy - 3;
        const int tilt = p.mood == Mood::Angry ? 3 : (p.mood == Mood::Sad || p.mood == Mood::Scared) ? -3 : 0;
        const int lift = p.mood == Mood::Scared ? -3 : 0;
        c.line({inner, browY + tilt + lift}, {outer, browY + lift}, paleHair ? Colour::Grey : Colour::Black,
               std::max(2, r / 8));
    }
    if (p.mood == Mood::Sad) {
        c.ellipse(head.x + eyeDx + eyeRx, eyeY + eyeRy + 4, 2, 3, Colour::Aqua);
        c.ellipse(head.x - eyeDx - eyeRx, eyeY + eyeRy + 8, 2, 3, Colour::Aqua);
    }
    // A round red nose: the comic kind.
    c.ellipse(head.x, eyeY + r / 3, r / 6 + 1, r / 7 + 1, Colour::Black);
    c.ellipse(head.x, eyeY + r / 3, r / 6, r / 7, Paint(Colour::Red, Colour::White, Mix::Sparse));
    mouth(c, {head.x, head.y + r * 3 / 5}, r * 2 / 5, r, p.mood);
}

void pigeon(Canvas& c, int x, int y, bool facingRight) {
    const int f = facingRight ? 1 : -1;
    c.polygon({{x - f * 8, y - 2}, {x - f * 16, y + 2}, {x - f * 8, y + 4}}, Colour::Black);  // tail
    c.ellipse(x, y, 9, 6, Colour::Black);
    c.ellipse(x, y, 8, 5, Colour::Grey);
    c.ellipse(x - f * 1, y - 1, 5, 3, Colour::Silver);  // the folded wing
    c.ellipse(x + f * 7, y - 6, 4, 4, Colour::Black);
    c.ellipse(x + f * 7, y - 6, 3, 3, Paint(Colour::Teal, Colour::Purple, Mix::Checker));
    c.plot(x + f * 8, y - 7, Colour::Yellow);
    c.line({x + f * 10, y - 6}, {x + f * 12, y - 5}, Colour::Olive);
    c.line({x - 2, y + 5}, {x - 2, y + 8}, Colour::Red);
    c.line({x + 2, y + 5}, {x + 2, y + 8}, Colour::Red);
}

void rohlik(Canvas& c, int x, int y, int length) {
    // Round after round along the roll's middle line, which bends a little towards the ends;
    // the roll tapers to its tips. Rolling the dough leaves it in slanting turns: each turn
    // bulges and catches the light, and the seams between them are baked darker.
    constexpr int kTurns = 5;
    const int thick = std::max(2, length * 3 / 10);
    const int turn = 2 * length / kTurns;
    const auto middle = [&](int dx) { return y + length / 10 * dx * dx / (length * length); };
    const auto radius = [&](int dx) { return std::max(1, thick - thick * 3 * dx * dx / (4 * length * length)); };
    for (int dx = -length; dx <= length; ++dx)
        c.ellipse(x + dx, middle(dx), radius(dx) + 1, radius(dx) + 1, Colour::Black);
    for (int dx = -length; dx <= length; ++dx) {
        c.ellipse(x + dx, middle(dx), radius(dx), radius(dx), Paint(Colour::Yellow, Colour::Maroon, Mix::Checker));
    }
    for (int k = 0; k < kTurns; ++k) {
        const int dx = -length + k * turn + turn / 2;
        const int r = radius(dx);
        c.ellipse(x + dx - 1, middle(dx) - r / 3, std::max(1, turn / 3), std::max(1, r / 3), Colour::Yellow);
        if (r >= 4) c.plot(x + dx, middle(dx) - r + 2, Colour::White);  // a grain of salt
    }
    for (int k = 1; k < kTurns; ++k) {
        const int dx = -length + k * turn;
        const int r = radius(dx);
        c.line({x + dx - r / 2, middle(dx) - r + 1}, {x + dx + r / 2, middle(dx) + r - 1}, Colour::Maroon,
               r >= 5 ? 2 : 1);
    }
}

void heart(Canvas& c, int x, int y, int size, Paint p) {
    const int r = size / 2;
    c.ellipse(x - r + 1, y, r, r, p);
    c.ellipse(x + r - 1, y, r, r, p);
    c.polygon({{x - size, y + 1}, {x + size, y + 1}, {x, y + size + r}}, p);
}

void sparkle(Canvas& c, int x, int y, int size, Colour colour) {
    const int s = size / 4 + 1;
    c.polygon({{x, y - size},
               {x + s, y - s},
               {x + size, y},
               {x + s, y + s},
               {x, y + size},
               {x - s, y + s},
               {x - size, y},
               {x - s, y - s}},
              colour);
}

void balloon(Canvas& c, int x, int y, int w, int h, Point speaker, std::string_view text, int scale) {
    const int cx = x + w / 2;
    const int cy = y + h / 2;
    c.polygon({{cx - w / 6, cy}, {cx + w / 8, cy}, speaker}, Colour::Black);
    c.ellipse(cx, cy, w / 2 + 1, h / 2 + 1, Colour::Black);
    c.polygon({{cx - w / 6 + 2, cy}, {cx + w / 8 - 2, cy}, {speaker.x, speaker.y - 2}}, Colour::White);
    c.ellipse(cx, cy, w / 2, h / 2, Colour::White);
    c.text(cx - Canvas::textWidth(text, scale) / 2, cy - 7 * scale / 2 + scale, text, Colour::Black, scale);
}

}  // namespace tolm::pictures
