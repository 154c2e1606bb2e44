// Things that stand in more than one scene: sky and ground, houses, signs, people.
#pragma once

#include <cstdint>
#include <string_view>

#include "tools/pictures/canvas.h"

namespace tolm::pictures {

// A fixed-seed generator for scattered details (lit windows, grass, speckles), so that the
// scatter is part of the drawing and the same on every run.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed == 0 ? 1 : seed) {}
    // 0 .. bound - 1
    int below(int bound);

private:
    std::uint32_t state_;
};

// Bands from the upper colour down to the lower one, mixed where they meet.
void sky(Canvas& c, int top, int bottom, Colour upper, Colour lower);
void cloud(Canvas& c, int x, int y, int size);
void grass(Canvas& c, Random& random, int x, int y, int w, int h);
void pavement(Canvas& c, int x, int y, int w, int h);
void bricks(Canvas& c, int x, int y, int w, int h, Colour brick, Colour mortar);
void tree(Canvas& c, int x, int ground, int size);
void lampPost(Canvas& c, int x, int ground, int height, bool lit);

// A prefab block of flats: grey panels, a grid of windows, some lit, coloured balconies.
struct PanelHouse {
    int x, y;
    int floors, columns;
    Colour balconies;
    std::uint32_t seed;  // which windows are lit
};
void panelHouse(Canvas& c, const PanelHouse& house);
int panelHouseWidth(int columns);
int panelHouseHeight(int floors);

// A framed board with centred capitals, as on shops and road signs.
void board(Canvas& c, int x, int y, int w, int h, std::string_view text, Paint face, Colour ink, int scale);
void door(Canvas& c, int x, int y, int w, int h, Colour leaf);

// A cartoon person with a big head, its feet on a line.
enum class Mood : std::uint8_t { Calm, Angry, Sad, Grin, Scared, Wink, Fainted };
struct Person {
    int x;       // centre
    int feet;    // the row of the soles
    int height;  // standing, from the top of the head to the soles
    Paint skin;
    Paint shirt;
    Paint trousers;
    Paint hair;
    Mood mood;
    Point leftHand, rightHand;  // where the arms reach, in canvas pixels
    bool seated = false;        // knees towards the viewer, the rest of the body lower
};
void person(Canvas& c, const Person& p);
// The head's centre and radius, for scenes that add hats, beards or props.
Point headCentre(const Person& p);
int headRadius(const Person& p);

// Small things of the town.
void pigeon(Canvas& c, int x, int y, bool facingRight);
// A Czech rohlík, long and barely bent, centred on (x, y) and 2 * length + 1 pixels long.
void rohlik(Canvas& c, int x, int y, int length);
void heart(Canvas& c, int x, int y, int size, Paint p);
void sparkle(Canvas& c, int x, int y, int size, Colour colour);
// A speech balloon with its tail pointing at the speaker.
void balloon(Canvas& c, int x, int y, int w, int h, Point speaker, std::string_view text, int scale);

// Skin in sixteen colours: white warmed by a scatter of red.
inline constexpr Paint kSkin{Colour::White, Colour::Red, Mix::Sparse};

}  // namespace tolm::pictures
