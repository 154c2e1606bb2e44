// One drawing per scene picture. Each draws its subject in the part its box shows
// (content::kPictureSeenWidth by content::kPictureSeenHeight from the top-left corner) and lets
// the scene run on beyond it.
#include "tools/pictures/scenes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

#include "tools/pictures/props.h"

namespace tolm::pictures {
namespace {

using content::Picture;
using enum Colour;

constexpr int kGround = 214;  // where the floor or the street meets the wall or the sky

// ---------------------------------------------------------------- shared scenery

// The exchange office by the station: its wall, the rates in the window, the station. The
// street meets the wall at ground, so a scene can give the pavement more room.
void exchangeOffice(Canvas& c, int ground) {
    const int dy = ground - kGround;
    c.fill(Paint(Silver, White, Mix::Sparse));
    c.rect(0, 0, c.width(), 6, Grey);
    bricks(c, 0, ground - 44, c.width(), 44, Maroon, Grey);  // the plinth
    pavement(c, 0, ground, c.width(), c.height() - ground);
    c.rect(0, ground, c.width(), 2, Black);
    c.rect(230, 60 + dy, 300, 140, Black);
    c.rect(234, 64 + dy, 292, 132, Paint(Teal, Navy, Mix::Checker));
    board(c, 260, 76 + dy, 240, 108, "", White, Black, 1);
    const char* rates[] = {"KURZY", "EUR  25,10", "USD  23,40", "GBP  29,80", "CHF  26,50"};
    for (int i = 0; i < 5; ++i) c.text(276, 86 + dy + i * 18, rates[i], i == 0 ? Red : Black, 1);
    for (int x = 238; x < 526; x += 24) c.rect(x, 64 + dy, 3, 132, Grey);  // the window bars
    c.rect(560, 0, 8, ground, Black);                                      // drainpipe
    c.rect(561, 0, 6, ground, Grey);
    // The station next door, its clock stopped long ago; its sign keeps its height whatever the
    // pavement does, so that its accents stay in the picture.
    c.rect(580, 30, 177, ground - 30, Paint(Yellow, Olive, Mix::Sparse));
    c.rect(580, 30, 177, 4, Maroon);
    board(c, 596, 44, 140, 24, "NÁDRAŽÍ", White, Navy, 2);
    c.ellipse(666, 96, 16, 16, Black);
    c.ellipse(666, 96, 14, 14, White);
    c.line({666, 96}, {666, 86}, Black, 2);
    c.line({666, 96}, {674, 100}, Black, 2);
    for (int x : {600, 700}) {
        c.rect(x, ground - 84, 36, 84, Black);
        c.rect(x + 2, ground - 82, 32, 82, Navy);
    }
}

void exchangeSign(Canvas& c, int dropLeft, int dropRight) {
    c.polygon({{6, 6 + dropLeft}, {180, 6 + dropRight}, {180, 42 + dropRight}, {6, 42 + dropLeft}}, Black);
    c.polygon({{8, 8 + dropLeft}, {178, 8 + dropRight}, {178, 40 + dropRight}, {8, 40 + dropLeft}}, Navy);
    const int lift = (dropLeft + dropRight) / 2;
    c.text(8 + (170 - Canvas::textWidth("SMĚNÁRNA", 3)) / 2, 20 + lift, "SMĚNÁRNA", Yellow, 3);
}

// The bus route's landscape: hills of the border country under a clear sky.
void hills(Canvas& c, int horizon) {
    sky(c, 0, horizon, Blue, Aqua);
    c.ellipse(120, horizon + 30, 260, 70, Paint(Green, Teal, Mix::Checker));
    c.ellipse(520, horizon + 40, 320, 90, Paint(Green, Teal, Mix::Sparse));
    c.ellipse(330, horizon + 60, 240, 80, Green);
    c.rect(0, horizon + 40, c.width(), c.height() - horizon - 40, Green);
}

void road(Canvas& c, int top, int bottom) {
    c.rect(0, top, c.width(), bottom - top, Paint(Grey, Black, Mix::Sparse));
    c.rect(0, top, c.width(), 3, Silver);  // kerb
    for (int x = 0; x < c.width(); x += 60) c.rect(x, (top + bottom) / 2, 34, 3, White);
}

void cobbles(Canvas& c, int top) {
    c.rect(0, top, c.width(), c.height() - top, Grey);
    for (int y = top; y < c.height(); y += 8) {
        for (int x = (y / 8) % 2 * 5; x < c.width(); x += 10) c.rect(x + 1, y + 1, 8, 6, Silver);
    }
    c.rect(0, top, c.width(), 2, Black);
}

// A town house of the squares: a coloured front, a gable, two rows of windows.
void townHouse(Canvas& c, int x, int w, int top, Paint front, Colour roof) {
    c.polygon({{x - 2, top + 1}, {x + w / 2, top - w / 3}, {x + w + 2, top + 1}}, Black);
    c.polygon({{x, top}, {x + w / 2, top - w / 3 + 2}, {x + w, top}}, roof);
    c.rect(x - 1, top, w + 2, kGround - top, Black);
    c.rect(x, top + 1, w, kGround - top - 1, front);
    for (int row = 0; row < 2; ++row) {
        for (int wx = x + 8; wx + 14 < x + w; wx += 24) {
            c.rect(wx - 1, top + 12 + row * 36, 14, 22, Black);
            c.rect(wx, top + 13 + row * 36, 12, 20, Paint(Teal, Aqua, Mix::Sparse));
            c.rect(wx + 5, top + 13 + row * 36, 2, 20, White);
        }
    }
}

// Šluknov's square, behind the people met there.
void sluknovSquare(Canvas& c) {
    sky(c, 0, 120, Blue, Aqua);
    cloud(c, 420, 30, 12);
    townHouse(c, 0, 70, 80, Paint(Yellow, White, Mix::Checker), Maroon);
    townHouse(c, 70, 64, 96, Paint(Aqua, White, Mix::Checker), Red);
    townHouse(c, 134, 80, 70, Paint(Lime, White, Mix::Sparse), Maroon);
    townHouse(c, 214, 90, 90, Paint(Fuchsia, White, Mix::Sparse), Red);
    townHouse(c, 304, 72, 76, Paint(Yellow, White, Mix::Checker), Maroon);
    // The town hall with its little tower.
    c.rect(376, 40, 180, kGround - 40, Black);
    c.rect(378, 42, 176, kGround - 42, Paint(White, Silver, Mix::Checker));
    c.rect(446, 0, 40, 42, Black);
    c.rect(448, 0, 36, 42, Silver);
    c.ellipse(466, 20, 10, 10, Black);
    c.ellipse(466, 20, 8, 8, White);
    board(c, 410, 60, 112, 20, "RADNICE", Navy, White, 1);
    for (int wx = 392; wx < 540; wx += 28) {
        c.rect(wx, 100, 16, 26, Black);
        c.rect(wx + 1, 101, 14, 24, Teal);
    }
    c.rect(450, 150, 32, kGround - 150, Black);
    c.rect(452, 152, 28, kGround - 152, Maroon);
    townHouse(c, 556, 96, 84, Paint(Aqua, White, Mix::Sparse), Maroon);
    townHouse(c, 652, 110, 96, Paint(Yellow, White, Mix::Sparse), Red);
    cobbles(c, kGround);
}

// ---------------------------------------------------------------- the scenes

void towerBlock(Canvas& c) {
    Random random(11);
    sky(c, 0, kGround, Blue, Aqua);
    cloud(c, 300, 40, 14);
    cloud(c, 620, 26, 11);
    // Two more blocks down the street, behind a row of trees.
    panelHouse(c, {230, kGround - panelHouseHeight(8), 8, 12, Yellow, 7});
    panelHouse(c, {530, kGround - panelHouseHeight(10), 10, 9, Lime, 5});
    tree(c, 215, kGround, 44);
    tree(c, 505, kGround, 50);
    // The house of the scene fills its box.
    panelHouse(c, {8, kGround - panelHouseHeight(11), 11, 7, Red, 3});
    cloud(c, 150, 8, 8);
    // Its entrance: canopy, glass door, house number.
    c.rect(66, 178, 50, 6, Black);
    c.rect(67, 179, 48, 4, Grey);
    c.rect(74, 184, 34, kGround - 184, Black);
    c.rect(76, 186, 14, kGround - 186, Paint(Teal, Aqua, Mix::Sparse));
    c.rect(92, 186, 14, kGround - 186, Paint(Teal, Aqua, Mix::Sparse));
    board(c, 82, 168, 18, 10, "12", Blue, White, 1);
    // A neighbour leaning out over her balcony, to see who sleeps on the bench.
    const Point neighbour{134, 60};
    c.ellipse(neighbour.x, neighbour.y, 8, 8, Black);
    c.ellipse(neighbour.x, neighbour.y, 7, 7, Silver);  // grey hair, in a bun
    c.ellipse(neighbour.x, neighbour.y - 8, 4, 3, Black);
    c.ellipse(neighbour.x, neighbour.y - 8, 3, 2, Silver);
    c.ellipse(neighbour.x, neighbour.y + 2, 6, 5, kSkin);
    c.rect(neighbour.x - 4, neighbour.y + 2, 2, 2, Black);  // looking down
    c.rect(neighbour.x + 2, neighbour.y + 2, 2, 2, Black);
    c.rect(neighbour.x - 1, neighbour.y + 5, 3, 1, Black);
    c.rect(neighbour.x - 11, neighbour.y + 6, 22, 6, Black);  // her arms on the rail
    c.rect(neighbour.x - 10, neighbour.y + 7, 20, 4, Fuchsia);
    c.rect(neighbour.x - 12, neighbour.y + 11, 24, 5, Black);  // the balcony's rail
    c.rect(neighbour.x - 11, neighbour.y + 12, 22, 3, Red);
    // Street, lawn and the estate's playground.
    pavement(c, 0, kGround, c.width(), 26);
    c.rect(0, kGround, c.width(), 2, Black);
    grass(c, random, 0, kGround + 26, c.width(), c.height() - kGround - 26);
    c.rect(80, kGround + 26, 24, c.height(), Paint(Silver, Grey, Mix::Sparse));  // the path
    lampPost(c, 240, kGround + 10, 60, false);
    // The bench you woke up on, and you on it, still asleep, the note sticking out of your pocket.
    for (const int y : {180, 189}) {
        c.rect(22, y, 160, 7, Black);
        c.rect(23, y + 1, 158, 5, Maroon);
    }
    for (const int x : {30, 172}) c.rect(x, 186, 4, 40, Black);
    c.rect(18, 208, 168, 7, Black);
    c.rect(19, 209, 166, 5, Maroon);
    c.rect(24, 215, 5, 16, Black);
    c.rect(176, 215, 5, 16, Black);
    c.line({118, 202}, {164, 196}, Black, 11);  // legs, the feet over the bench's end
    c.line({118, 202}, {164, 196}, Navy, 9);
    c.line({118, 206}, {160, 206}, Black, 9);
    c.line({118, 206}, {160, 206}, Navy, 7);
    c.ellipse(170, 192, 5, 7, Black);
    c.ellipse(166, 204, 5, 7, Black);
    c.ellipse(86, 198, 36, 12, Black);  // the body
    c.ellipse(86, 198, 35, 11, Olive);
    c.line({72, 202}, {66, 224}, Black, 7);  // an arm hanging off the bench
    c.line({72, 202}, {66, 224}, Olive, 5);
    c.ellipse(66, 226, 4, 4, Black);
    c.ellipse(66, 226, 3, 3, kSkin);
    // The note: ten thousand, half out of the pocket, its corner up.
    c.polygon({{110, 196}, {124, 174}, {142, 184}, {128, 206}}, Black);
    c.polygon({{112, 195}, {125, 176}, {140, 184}, {127, 204}}, Paint(Lime, Green, Mix::Sparse));
    c.ellipse(127, 190, 4, 5, Green);
    c.line({117, 194}, {126, 180}, Green);
    c.line({131, 200}, {138, 188}, Green);
    c.rect(106, 198, 18, 10, Black);  // the pocket
    c.rect(107, 199, 16, 8, Navy);
    // Your head on the armrest, face up to the sky, eyes shut and mouth open.
    c.ellipse(40, 192, 15, 14, Black);
    c.ellipse(40, 192, 14, 13, Maroon);
    c.ellipse(42, 195, 12, 10, kSkin);
    c.ellipse(29, 196, 3, 4, Black);  // an ear
    c.ellipse(29, 196, 2, 3, kSkin);
    c.polyline({{33, 190}, {36, 192}, {39, 190}}, Black, 2);
    c.polyline({{45, 190}, {48, 192}, {51, 190}}, Black, 2);
    c.ellipse(42, 196, 3, 2, Black);
    c.ellipse(42, 196, 2, 1, Red);
    c.ellipse(42, 201, 4, 2, Black);
    // Snoring, up past the windows.
    for (const auto& [x, y, size] : {std::array{50, 166, 1}, std::array{58, 146, 2}, std::array{70, 118, 3}}) {
        c.text(x + 1, y + 1, "Z", Black, size);
        c.text(x, y, "Z", White, size);
    }
    // The slide: ladder up to a platform, the chute down.
    for (int x : {300, 318}) c.rect(x, 330, 4, 90, Black);
    for (int y = 340; y < 420; y += 12) c.rect(300, y, 22, 3, Red);
    c.rect(296, 326, 34, 6, Black);
    c.polygon({{326, 326}, {336, 326}, {412, 414}, {402, 420}}, Black);
    c.polygon({{328, 328}, {334, 328}, {408, 414}, {403, 417}}, Yellow);
    c.rect(396, 414, 24, 6, Black);
    c.rect(440, 380, 150, 60, Black);  // sandpit
    c.rect(444, 384, 142, 52, Paint(Yellow, Olive, Mix::Sparse));
    tree(c, 200, 500, 60);
    tree(c, 700, 520, 54);
}

void caretaker(Canvas& c) {
    Random random(14);
    // The stairwell: oil paint below, whitewash above, a terrazzo floor still wet from the mop.
    c.fill(Paint(White, Silver, Mix::Checker));
    c.rect(0, 110, c.width(), kGround - 110, Green);
    c.rect(0, 108, c.width(), 3, Olive);
    c.rect(0, kGround, c.width(), c.height() - kGround, Grey);
    for (int i = 0; i < 3000; ++i) {
        c.plot(random.below(c.width()), kGround + random.below(c.height() - kGround),
               random.below(2) == 0 ? Silver : Black);
    }
    for (int i = 0; i < 12; ++i) {
        c.ellipse(random.below(c.width()), kGround + 8 + random.below(c.height() - kGround - 8), 10 + random.below(20),
                  2 + random.below(3), Paint(Grey, Aqua, Mix::Checker));
    }
    c.rect(0, kGround, c.width(), 2, Black);
    // The flat's door behind him, the stairs going up past the letter boxes.
    door(c, 8, 60, 60, kGround - 60, Maroon);
    for (int step = 0; step < 14; ++step) {
        const int x = 122 + step * 14;
        const int y = kGround - (step + 1) * 13;
        c.rect(x, y, c.width() - x, 13, Silver);
        c.rect(x, y, c.width() - x, 2, Black);
        c.rect(x, y, 2, 13, Grey);
    }
    for (int k = 0; k < 5; ++k) c.rect(128 + k * 14, kGround - 40 - k * 13, 2, 30, Black);  // the banister
    c.line({122, kGround - 40}, {330, kGround - 234}, Black, 5);
    c.line({122, kGround - 40}, {330, kGround - 234}, Maroon, 3);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 2; ++col) {
            const int x = 140 + col * 22;
            const int y = 34 + row * 16;
            c.rect(x, y, 20, 14, Black);
            c.rect(x + 1, y + 1, 18, 12, Grey);
            c.rect(x + 4, y + 4, 12, 2, Black);
        }
    }
    // Further along: the house rules, the stairwell's window.
    board(c, 250, 20, 150, 70, "", White, Black, 1);
    c.text(262, 30, "DOMOVNÍ ŘÁD", Red, 1);
    for (int line = 0; line < 5; ++line) c.rect(262, 46 + line * 8, 120 - line * 9, 2, Grey);
    c.rect(620, 40, 90, 60, Black);
    c.rect(624, 44, 82, 52, Paint(Aqua, Teal, Mix::Sparse));
    c.rect(664, 44, 2, 52, Black);
    c.ellipse(30, 22, 5, 6, Yellow);  // a bare bulb, out of his sight
    c.ring(30, 22, 5, 6, Black);

    // The caretaker: blue work coat, flat cap, mop in one hand, the other held out for the rent.
    const Person him{.x = 82,
                     .feet = 228,
                     .height = 196,
                     .skin = kSkin,
                     .shirt = Navy,
                     .trousers = Grey,
                     .hair = Black,
                     .mood = Mood::Angry,
                     .leftHand = {14, 122},
                     .rightHand = {128, 140}};
    c.line({152, 38}, {114, 206}, Black, 7);  // the mop's handle, behind him
    c.line({152, 38}, {114, 206}, Olive, 5);
    person(c, him);
    const Point head = headCentre(him);
    const int r = headRadius(him);
    for (int k = -5; k <= 5; ++k) c.line({114, 204}, {114 + k * 4, 232}, k % 2 == 0 ? Silver : White, 2);
    c.ellipse(128, 140, 7, 7, Black);
    c.ellipse(128, 140, 6, 6, kSkin);
    c.ellipse(14, 122, 9, 7, Black);  // the open palm
    c.ellipse(14, 122, 8, 6, kSkin);
    c.line({8, 118}, {20, 118}, Black);
    // Bucket by the door.
    c.polygon({{2, 196}, {34, 196}, {30, 230}, {6, 230}}, Black);
    c.polygon({{4, 198}, {32, 198}, {28, 228}, {8, 228}}, Grey);
    c.rect(5, 198, 26, 4, Paint(Aqua, Teal, Mix::Checker));
    c.polyline({{4, 198}, {18, 184}, {32, 198}}, Black);
    // The wet-floor cone he put out, right where you will step.
    c.polygon({{131, 232}, {158, 154}, {185, 232}}, Black);
    c.polygon({{134, 230}, {158, 160}, {182, 230}}, Yellow);
    c.rect(150, 180, 16, 4, Black);
    c.text(158 - Canvas::textWidth("MOKRO") / 2, 212, "MOKRO", Black, 1);
    c.rect(128, 228, 57, 5, Black);
    // Cap.
    c.ellipse(head.x, head.y - r / 2, r + 2, r / 2 + 1, Black);
    c.ellipse(head.x, head.y - r / 2, r + 1, r / 2, Navy);
    c.rect(head.x - r - 6, head.y - r / 4 - 2, 2 * r + 12, 5, Black);
    c.rect(head.x - r - 5, head.y - r / 4 - 1, 2 * r + 10, 3, Blue);
    // Moustache like a yard broom.
    c.ellipse(head.x - 8, head.y + r / 2 - 1, 10, 4, Black);
    c.ellipse(head.x + 8, head.y + r / 2 - 1, 10, 4, Black);
    // Work coat: buttons, breast pocket with pencil, keys on the belt.
    for (int i = 0; i < 3; ++i) c.ellipse(him.x, 122 + i * 20, 2, 2, Silver);
    c.rect(him.x + 11, 118, 16, 12, Blue);
    c.rect(him.x + 15, 110, 2, 10, Red);
    c.rect(him.x - 27, 170, 54, 4, Black);
    c.ring(him.x - 15, 180, 5, 5, Yellow, 2);
    c.rect(him.x - 13, 184, 2, 8, Yellow);
    balloon(c, 2, 2, 84, 28, {48, 44}, "NÁJEM!", 2);
}

void franta(Canvas& c) {
    // Outside the house: neighbour Franta on the bench, a rohlík, and the pigeons waiting.
    Random random(13);
    sky(c, 0, 40, Blue, Aqua);
    c.rect(0, 36, c.width(), 150, Black);
    c.rect(0, 38, c.width(), 148, Silver);
    for (int x = 0; x < c.width(); x += 88) c.rect(x, 38, 1, 148, Grey);  // panel joints
    c.rect(0, 110, c.width(), 1, Grey);
    for (int x = 10; x < c.width(); x += 44) {
        for (int y : {50, 122}) {
            c.rect(x - 1, y - 1, 26, 46, Black);
            c.rect(x, y, 24, 44, Teal);
            c.rect(x + 3, y + 3, 5, 3, Aqua);
            c.rect(x + 11, y, 2, 44, Black);
        }
    }
    // The entrance of number 12, further along.
    c.rect(300, 110, 80, 8, Black);
    c.rect(310, 118, 60, 68, Black);
    c.rect(312, 120, 27, 66, Paint(Teal, Aqua, Mix::Sparse));
    c.rect(341, 120, 27, 66, Paint(Teal, Aqua, Mix::Sparse));
    board(c, 330, 96, 20, 12, "12", Blue, White, 1);
    pavement(c, 0, 186, c.width(), 40);
    c.rect(0, 186, c.width(), 2, Black);
    grass(c, random, 0, 226, c.width(), c.height() - 226);
    // The bench: back rest, seat, iron legs.
    for (int y : {138, 150}) {
        c.rect(4, y, 178, 8, Black);
        c.rect(5, y + 1, 176, 6, Maroon);
    }
    c.rect(2, 180, 182, 7, Black);
    c.rect(3, 181, 180, 5, Maroon);
    for (int x : {14, 168}) c.rect(x, 187, 5, 36, Black);
    // Franta: vest, bald top, eating.
    const Person franta{.x = 92,
                        .feet = 222,
                        .height = 190,
                        .skin = kSkin,
                        .shirt = Paint(White, Silver, Mix::Sparse),
                        .trousers = Navy,
                        .hair = kSkin,
                        .mood = Mood::Calm,
                        .leftHand = {50, 176},
                        .rightHand = {142, 120},
                        .seated = true};
    person(c, franta);
    const Point head = headCentre(franta);
    const int r = headRadius(franta);
    c.ellipse(head.x - r + 2, head.y - 2, 5, 8, Grey);  // what is left of his hair
    c.ellipse(head.x + r - 2, head.y - 2, 5, 8, Grey);
    c.polyline({{head.x - 10, head.y - r + 6}, {head.x - 2, head.y - r + 2}, {head.x + 6, head.y - r + 6}}, Grey);
    // A face that has seen things: lines across the brow, one bushy eyebrow up, heavy lids over
    // eyes that watch you, a day's grey stubble, and a cheek full of roll.
    for (int k = 0; k < 3; ++k) {
        c.line({head.x - 12 + k * 2, head.y - 20 + k * 4}, {head.x + 10 - k * 2, head.y - 20 + k * 4}, Grey);
    }
    for (const int side : {-1, 1}) {
        const int ex = head.x + side * (r * 2 / 5);
        c.rect(ex - 7, head.y - 8, 15, 6, kSkin);  // the lid
        c.line({ex - 7, head.y - 2}, {ex + 7, head.y - 2}, Black, 2);
        const int lift = side == 1 ? -5 : 0;
        c.polygon({{ex - 9, head.y - 9 + lift},
                   {ex + 9, head.y - 11 + lift},
                   {ex + 8, head.y - 6 + lift},
                   {ex - 9, head.y - 5 + lift}},
                  Black);
        c.polygon({{ex - 8, head.y - 8 + lift},
                   {ex + 8, head.y - 10 + lift},
                   {ex + 7, head.y - 7 + lift},
                   {ex - 8, head.y - 6 + lift}},
                  Paint(White, Silver, Mix::Checker));
    }
    Random stubble(31);
    for (int i = 0; i < 90; ++i) {
        const int x = head.x - r + 4 + stubble.below(2 * r - 8);
        const int y = head.y + r / 3 + 4 + stubble.below(r * 2 / 3);
        const int dx = x - head.x;
        const int dy = y - head.y;
        if (dx * dx + dy * dy < (r - 3) * (r - 3) && (dy > r / 2 + 4 || dx * dx > 100)) c.plot(x, y, Grey);
    }
    c.ellipse(head.x + r / 2 + 2, head.y + r / 2, 6, 5, Paint(White, Red, Mix::Checker));  // the full cheek
    c.polyline({{head.x + r / 2 + 7, head.y + r / 2 - 3},
                {head.x + r / 2 + 9, head.y + r / 2 + 1},
                {head.x + r / 2 + 6, head.y + r / 2 + 5}},
               Black);
    c.rect(head.x - 8, head.y + r * 3 / 5 - 1, 14, 4, kSkin);  // chewing, the mouth shut and crooked
    const int lips = head.y + r * 3 / 5;
    c.polyline({{head.x - 8, lips + 1}, {head.x - 2, lips - 1}, {head.x + 6, lips + 2}}, Black, 2);
    c.rect(head.x - 25, head.y + r + 8, 50, 3, Green);  // vest straps over the singlet
    c.line({head.x - 18, head.y + r + 8}, {head.x - 22, head.y + r + 50}, Green, 4);
    c.line({head.x + 18, head.y + r + 8}, {head.x + 22, head.y + r + 50}, Green, 4);
    // His walking stick, held upright at his side, its crook above his fist.
    const Point stickFoot{40, 224};
    const Point stickTop{50, 132};
    for (const auto& [paint, thickness] : {std::pair{Paint(Black), 7}, std::pair{Paint(Maroon), 4}}) {
        c.line(stickFoot, stickTop, paint, thickness);
        c.polyline({stickTop, {48, 124}, {42, 120}, {35, 122}, {32, 129}, {33, 134}}, paint, thickness);
    }
    c.rect(38, 222, 5, 3, Grey);  // the rubber tip
    c.ellipse(franta.leftHand.x, franta.leftHand.y, 7, 6, Black);
    c.ellipse(franta.leftHand.x, franta.leftHand.y, 6, 5, kSkin);
    // The rohlík in his other hand, the end towards his mouth bitten off: a round notch with
    // the marks of teeth, and the white crumb showing where the crust is gone.
    const Canvas before = c;
    const Point roll{142, 112};
    constexpr int kHalfLength = 26;
    rohlik(c, roll.x, roll.y, kHalfLength);
    const Point bite{roll.x - kHalfLength - 2, roll.y - 3};
    const Point teeth[] = {{bite.x + 11, bite.y + 1}, {bite.x + 9, bite.y + 7}, {bite.x + 9, bite.y - 6}};
    const auto bitten = [&](int x, int y) {
        if ((x - bite.x) * (x - bite.x) + (y - bite.y) * (y - bite.y) <= 121) return true;
        for (const Point t : teeth) {
            if ((x - t.x) * (x - t.x) + (y - t.y) * (y - t.y) <= 5) return true;
        }
        return false;
    };
    const Canvas whole = c;
    const auto bread = [&](int x, int y) { return whole.at(x, y) != before.at(x, y); };
    // How close the pixel lies to where the bite took bread away, in pixels, up to `reach`.
    const auto biteWithin = [&](int x, int y, int reach) {
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                if (bitten(x + dx, y + dy) && bread(x + dx, y + dy)) return true;
            }
        }
        return false;
    };
    for (int y = roll.y - 20; y <= roll.y + 20; ++y) {
        for (int x = bite.x - 12; x <= bite.x + 20; ++x) {
            if (bitten(x, y))
                c.plot(x, y, before.at(x, y));
            else if (bread(x, y) && biteWithin(x, y, 1))
                c.plot(x, y, Black);
            else if (bread(x, y) && whole.at(x, y) != Black && biteWithin(x, y, 5))
                c.plot(x, y, Paint(White, Yellow, Mix::Sparse));
        }
    }
    // His fist round its middle, the fingers over the top, the thumb along its side.
    const Point fist{roll.x, roll.y + 2};
    c.ellipse(fist.x, fist.y, 9, 9, Black);
    c.ellipse(fist.x, fist.y, 8, 8, kSkin);
    for (const int k : {-4, 0, 4}) c.line({fist.x + k, fist.y - 8}, {fist.x + k, fist.y - 2}, Black);
    c.line({fist.x - 8, fist.y + 1}, {fist.x - 2, fist.y - 3}, Black);
    for (const Point crumb : {Point{118, 132}, Point{124, 140}, Point{112, 150}, Point{128, 158}, Point{120, 168}}) {
        c.rect(crumb.x, crumb.y, 2, 2, Paint(Yellow, Maroon, Mix::Checker));
    }
    pigeon(c, 172, 134, false);
    pigeon(c, 30, 206, true);
    pigeon(c, 150, 214, false);
    pigeon(c, 70, 228, true);
    pigeon(c, 260, 210, false);
    pigeon(c, 420, 250, true);
    pigeon(c, 600, 200, false);
    c.rect(480, 150, 30, 36, Black);  // the bin
    c.rect(482, 152, 26, 34, Green);
}

void square(Canvas& c) {
    // The square: the church tower above the pub "U Lva" and the gambling hall's blinking sign.
    sky(c, 0, 120, Blue, Aqua);
    cloud(c, 300, 30, 12);
    // The church: its tower above the roofs, the nave running off to the right.
    c.rect(190, 40, 260, kGround - 40, Black);
    c.rect(192, 42, 256, kGround - 42, Paint(White, Silver, Mix::Sparse));
    c.ellipse(320, 150, 20, 20, Black);  // the portal
    c.rect(300, 150, 41, kGround - 150, Black);
    c.ellipse(320, 152, 17, 17, Maroon);
    c.rect(303, 152, 35, kGround - 152, Maroon);
    c.polygon({{186, 42}, {210, 10}, {430, 10}, {454, 42}}, Black);
    c.polygon({{190, 40}, {212, 12}, {428, 12}, {450, 40}}, Maroon);
    for (int x = 220; x < 440; x += 50) {
        c.ellipse(x + 10, 70, 9, 14, Black);
        c.ellipse(x + 10, 70, 7, 12, Paint(Blue, Yellow, Mix::Sparse));
    }
    c.rect(60, 30, 50, 100, Black);
    c.rect(62, 32, 46, 98, Paint(White, Silver, Mix::Sparse));
    c.polygon({{56, 32}, {85, 12}, {114, 32}}, Black);
    c.polygon({{60, 31}, {85, 15}, {110, 31}}, Paint(Green, Teal, Mix::Checker));
    c.rect(82, 0, 7, 15, Black);  // the cross on the spire, gilded
    c.rect(78, 3, 15, 7, Black);
    c.rect(84, 1, 3, 13, Yellow);
    c.rect(79, 5, 13, 3, Yellow);
    c.ellipse(85, 52, 12, 12, Black);
    c.ellipse(85, 52, 10, 10, White);
    c.line({85, 52}, {85, 44}, Black, 2);
    c.line({85, 52}, {91, 55}, Black, 2);
    c.ellipse(85, 80, 6, 6, Black);  // the belfry's window
    c.rect(79, 80, 13, 12, Black);
    // The pub, "U Lva", with the lion on its sign.
    c.rect(0, 100, 92, kGround - 100, Black);
    c.rect(0, 102, 90, kGround - 102, Paint(Yellow, Olive, Mix::Checker));
    c.rect(0, 100, 92, 6, Maroon);
    board(c, 4, 112, 82, 22, "U LVA", Maroon, Yellow, 2);
    // The pub's sign hangs from two chains: a golden lion striding on red, mane, tail and all.
    c.line({54, 135}, {54, 141}, Black);
    c.line({84, 135}, {84, 141}, Black);
    board(c, 48, 141, 42, 36, "", Maroon, Black, 1);
    c.polyline({{79, 158}, {85, 155}, {86, 149}}, Black, 3);  // the tail and its tuft
    c.ellipse(86, 147, 3, 3, Black);
    c.ellipse(86, 147, 2, 2, Olive);
    for (const int x : {63, 67, 76, 80}) {  // the legs, the far ones darker
        const Paint leg = x == 67 || x == 80 ? Paint(Olive) : Paint(Yellow);
        c.line({x, 160}, {x, 171}, Black, 4);
        c.line({x, 160}, {x, 170}, leg, 2);
    }
    c.ellipse(72, 159, 11, 6, Black);
    c.ellipse(72, 159, 10, 5, Yellow);
    const Point mane[] = {{59, 147}, {65, 150}, {66, 157}, {62, 163}, {55, 162}, {53, 149}};  // its shaggy edge
    for (const Point lump : mane) c.ellipse(lump.x, lump.y, 4, 4, Black);
    c.ellipse(60, 155, 8, 9, Black);
    for (const Point lump : mane) c.ellipse(lump.x, lump.y, 3, 3, Paint(Olive, Yellow, Mix::Checker));
    c.ellipse(60, 155, 7, 8, Paint(Olive, Yellow, Mix::Checker));  // the mane
    c.ellipse(57, 155, 4, 4, Yellow);                              // the face, looking ahead
    c.ellipse(53, 157, 3, 2, Yellow);                              // the muzzle
    c.rect(50, 156, 2, 2, Black);                                  // the nose
    c.plot(57, 153, Black);                                        // the eye
    c.line({51, 159}, {55, 159}, Black);                           // the mouth
    c.rect(14, 150, 30, kGround - 150, Black);                     // the door
    c.rect(16, 152, 26, kGround - 152, Maroon);
    c.rect(20, 158, 18, 14, Yellow);
    // The gambling hall: a purple front and a sign whose bulbs blink.
    c.rect(92, 92, 93, kGround - 92, Black);
    c.rect(94, 94, 91, kGround - 94, Paint(Purple, Navy, Mix::Checker));
    c.rect(94, 100, 91, 34, Black);
    c.text(96, 109, "HERNA", Fuchsia, 3);
    for (int i = 0; i < 15; ++i) {
        // Some bulbs out: the sign blinks.
        const Colour bulb = i % 3 == 0 ? Olive : Yellow;
        c.ellipse(97 + i * 6, 102, 1, 1, bulb);
        c.ellipse(97 + i * 6, 131, 1, 1, bulb);
    }
    sparkle(c, 176, 98, 6, White);
    sparkle(c, 104, 136, 5, White);
    c.text(112, 142, "NONSTOP", Lime, 1);
    c.rect(106, 154, 70, 44, Black);  // the window and its machine
    c.rect(108, 156, 66, 40, Paint(Navy, Blue, Mix::Sparse));
    c.rect(120, 160, 42, 36, Red);
    c.rect(124, 166, 34, 12, White);
    c.text(126, 169, "777", Red, 1);
    c.rect(160, 166, 3, 10, Silver);
    // The square's cobbles, and a little further the plague column.
    cobbles(c, kGround);
    c.rect(520, 60, 20, kGround - 60, Black);
    c.rect(522, 62, 16, kGround - 62, Silver);
    c.ellipse(530, 50, 10, 14, Black);
    c.ellipse(530, 50, 8, 12, Yellow);
    c.rect(500, kGround - 20, 60, 20, Grey);
    townHouse(c, 580, 80, 90, Paint(Aqua, White, Mix::Sparse), Red);
    townHouse(c, 660, 97, 80, Paint(Lime, White, Mix::Sparse), Maroon);
    pigeon(c, 300, 260, true);
    pigeon(c, 330, 280, false);
}

void closedExchange(Canvas& c) {
    // The exchange office, shut, its note gone yellow; inside, someone snores.
    exchangeOffice(c, kGround);
    exchangeSign(c, 0, 0);
    door(c, 48, 66, 88, kGround - 66, Teal);
    c.rect(60, 80, 64, 40, Black);  // the door's barred window
    c.rect(62, 82, 60, 36, Navy);
    for (int x = 66; x < 122; x += 10) c.rect(x, 82, 2, 36, Grey);
    c.text(70, 96, "Z", White, 2);
    c.text(96, 86, "Z", White, 3);
    c.text(136, 60, "Z", Navy, 4);
    c.text(160, 48, "Z", Navy, 2);
    // "Back in a moment", since 1998.
    c.polyline({{70, 128}, {92, 120}, {114, 128}}, Black);
    c.ellipse(92, 120, 2, 2, Black);
    board(c, 52, 128, 80, 40, "", Paint(Yellow, White, Mix::Checker), Black, 1);
    c.text(65, 135, "HNED JSEM", Black, 1);
    c.text(74, 147, "ZPÁTKY", Black, 1);
    c.text(104, 158, "1998", Maroon, 1);
    board(c, 148, 92, 32, 40, "", White, Black, 1);  // opening hours nobody keeps
    c.text(150, 98, "PO-PÁ", Black, 1);
    for (int line = 0; line < 3; ++line) c.rect(152, 110 + line * 7, 22, 2, Grey);
}

void smashedDoor(Canvas& c) {
    // The door is in, frame and all, and so are you; Mr Horák sits up on his sack and hits the alarm.
    constexpr int ground = 166;  // the pavement comes up the picture: the door lies on it
    exchangeOffice(c, ground);
    exchangeSign(c, 16, 0);
    c.polygon({{42, 62}, {142, 60}, {146, 110}, {140, ground}, {40, ground}, {46, 118}}, Black);
    c.polygon({{46, 66}, {138, 64}, {141, 110}, {136, ground}, {44, ground}, {50, 118}},
              Paint(Black, Navy, Mix::Sparse));
    // The alarm light beside the hole, howling.
    c.rect(156, 86, 18, 6, Black);
    c.ellipse(165, 80, 11, 9, Black);
    c.ellipse(165, 80, 9, 7, Red);
    c.ellipse(162, 77, 3, 2, White);
    for (const auto& [a, b] : {std::pair{Point{150, 74}, Point{144, 66}}, std::pair{Point{180, 74}, Point{184, 66}},
                               std::pair{Point{165, 66}, Point{165, 56}}, std::pair{Point{150, 86}, Point{144, 92}}}) {
        c.line(a, b, Red, 2);
    }
    // The police van pulling up at the kerb, its blue light going.
    c.rect(154, 112, 120, 56, Black);
    c.rect(156, 114, 116, 52, White);
    c.rect(156, 142, 116, 6, Green);
    c.rect(160, 118, 24, 18, Black);  // the windscreen's edge
    c.rect(162, 120, 22, 14, Paint(Teal, Aqua, Mix::Sparse));
    c.ellipse(172, 166, 9, 9, Black);
    c.ellipse(172, 166, 4, 4, Grey);
    c.rect(170, 102, 14, 10, Black);
    c.rect(172, 104, 10, 8, Blue);
    c.rect(174, 105, 3, 3, Aqua);
    for (const auto& [a, b] : {std::pair{Point{166, 104}, Point{156, 98}}, std::pair{Point{177, 100}, Point{177, 92}},
                               std::pair{Point{186, 104}, Point{196, 98}}}) {
        c.line(a, b, Blue, 2);
    }
    // Inside: Mr Horák sitting up on his sack of money, wide awake, his hand on the button. The
    // sack is tied at the neck and gathered above the string; the crowns are printed on its cloth.
    const Paint cloth(Yellow, Olive, Mix::Sparse);
    const Point neck{124, 124};
    c.polygon({{neck.x - 10, 136}, {neck.x - 4, neck.y}, {neck.x + 4, neck.y}, {neck.x + 10, 136}}, Black);
    const Point ends[] = {
        {neck.x - 6, neck.y - 6}, {neck.x + 6, neck.y - 6}, {neck.x, neck.y - 9}};  // above the string
    for (const Point end : ends) c.ellipse(end.x, end.y, 6, 5, Black);
    c.ellipse(90, 148, 42, 19, Black);
    c.polygon({{neck.x - 8, 137}, {neck.x - 3, neck.y + 1}, {neck.x + 3, neck.y + 1}, {neck.x + 8, 137}}, cloth);
    for (const Point end : ends) c.ellipse(end.x, end.y, 5, 4, cloth);
    c.line({neck.x - 3, neck.y - 2}, {neck.x - 8, neck.y - 8}, Olive);
    c.line({neck.x + 3, neck.y - 2}, {neck.x + 8, neck.y - 8}, Olive);
    c.line({neck.x, neck.y - 2}, {neck.x, neck.y - 10}, Olive);
    c.ellipse(90, 148, 41, 18, cloth);
    c.rect(neck.x - 5, neck.y - 1, 11, 4, Black);  // the string
    c.rect(neck.x - 4, neck.y, 9, 2, Maroon);
    c.text(114, 146, "Kč", Black, 1);
    person(c, {.x = 80,
               .feet = 164,
               .height = 104,
               .skin = kSkin,
               .shirt = Paint(White, Silver, Mix::Rows),
               .trousers = Navy,
               .hair = Grey,
               .mood = Mood::Scared,
               .leftHand = {56, 132},
               .rightHand = {130, 88},
               .seated = true});
    c.rect(130, 80, 10, 12, Black);  // the alarm button
    c.rect(131, 81, 8, 10, Red);
    // The door flat on the pavement: its panels, hinges torn out with the frame, and its handle.
    c.polygon({{4, 226}, {184, 226}, {172, 170}, {16, 170}}, Black);
    c.polygon({{7, 224}, {181, 224}, {170, 172}, {18, 172}}, Teal);
    c.polygon({{24, 178}, {88, 178}, {88, 218}, {16, 218}}, Black);
    c.polygon({{26, 180}, {86, 180}, {86, 216}, {19, 216}}, Paint(Teal, Aqua, Mix::Sparse));
    c.polygon({{100, 178}, {164, 178}, {171, 218}, {100, 218}}, Black);
    c.polygon({{102, 180}, {162, 180}, {168, 216}, {102, 216}}, Paint(Teal, Aqua, Mix::Sparse));
    for (const int x : {40, 140}) {  // hinges on the far edge
        c.rect(x, 162, 16, 10, Black);
        c.rect(x + 1, 163, 14, 8, Silver);
        c.rect(x + 7, 161, 2, 12, Black);
        c.plot(x + 3, 167, Black);
        c.plot(x + 12, 167, Black);
    }
    c.rect(84, 214, 14, 13, Black);  // the handle on the near edge
    c.rect(86, 216, 10, 9, Silver);
    c.ellipse(91, 222, 1, 1, Black);  // keyhole
    c.rect(68, 215, 26, 5, Black);
    c.rect(69, 216, 24, 3, Yellow);
    for (const auto& [a, b] : {std::pair{Point{2, 182}, Point{14, 172}}, std::pair{Point{174, 176}, Point{184, 166}}}) {
        c.line(a, b, Black, 4);  // splinters of the frame
        c.line(a, b, Maroon, 2);
    }
    // You, face down on it, arms flung out, a bump rising on the back of your head.
    for (const auto& [hip, foot] :
         {std::pair{Point{116, 190}, Point{158, 182}}, std::pair{Point{116, 200}, Point{160, 206}}}) {
        c.line(hip, foot, Black, 11);
        c.line(hip, foot, Navy, 9);
        c.ellipse(foot.x + 6, foot.y, 6, 8, Black);  // shoes, soles up
        c.ellipse(foot.x + 7, foot.y, 4, 6, Grey);
    }
    for (const auto& [shoulder, hand] :
         {std::pair{Point{58, 186}, Point{36, 168}}, std::pair{Point{58, 204}, Point{50, 220}}}) {
        c.line(shoulder, hand, Black, 9);
        c.line(shoulder, hand, Olive, 7);
        c.ellipse(hand.x, hand.y, 5, 5, Black);
        c.ellipse(hand.x, hand.y, 4, 4, kSkin);
    }
    c.ellipse(84, 195, 36, 14, Black);
    c.ellipse(84, 195, 35, 13, Olive);
    c.line({62, 195}, {112, 195}, Black);  // the seam down your back
    c.rect(46, 189, 8, 13, Black);         // the neck, and the back of your head, your face in the door
    c.rect(47, 190, 7, 11, kSkin);
    c.ellipse(36, 195, 14, 13, Black);
    c.ellipse(36, 195, 13, 12, Maroon);
    c.polyline({{38, 195}, {36, 193}, {34, 196}, {37, 199}, {41, 196}}, Black);  // the crown's whorl
    c.ellipse(40, 182, 3, 2, Black);                                             // the ears, one each side
    c.ellipse(40, 182, 2, 1, kSkin);
    c.ellipse(40, 208, 3, 2, Black);
    c.ellipse(40, 208, 2, 1, kSkin);
    c.ellipse(24, 190, 8, 7, Black);  // the bump
    c.ellipse(24, 190, 7, 6, Paint(Red, White, Mix::Checker));
    c.ellipse(22, 188, 2, 2, White);
    for (const Point star : {Point{10, 172}, Point{22, 158}, Point{8, 202}}) {
        sparkle(c, star.x, star.y, 8, Black);
        sparkle(c, star.x, star.y, 6, Yellow);
    }
}

void tobaccoKiosk(Canvas& c) {
    // Mr Kratochvíl's tobacco kiosk: nothing left but four cards in the glass case.
    c.fill(Paint(Blue, Navy, Mix::Sparse));
    board(c, 4, 2, 177, 30, "TRAFIKA", Yellow, Maroon, 3);
    c.rect(4, 34, 177, 92, Black);  // the kiosk window, and him in it
    c.rect(6, 36, 173, 88, Paint(Aqua, White, Mix::Checker));
    const Person him{.x = 92,
                     .feet = 230,
                     .height = 190,
                     .skin = kSkin,
                     .shirt = Teal,
                     .trousers = Navy,
                     .hair = Grey,
                     .mood = Mood::Grin,
                     .leftHand = {46, 118},
                     .rightHand = {138, 118}};
    person(c, him);
    const Point head = headCentre(him);
    const int r = headRadius(him);
    c.ring(head.x - r * 2 / 5, head.y, 9, 9, Black, 2);  // glasses
    c.ring(head.x + r * 2 / 5, head.y, 9, 9, Black, 2);
    c.line({head.x - 4, head.y - 1}, {head.x + 4, head.y - 1}, Black, 2);
    c.ellipse(head.x, head.y + r / 2 - 2, 12, 3, Grey);  // moustache
    board(c, 8, 40, 52, 24, "", White, Red, 1);          // taped to the glass, long ago
    c.text(34 - Canvas::textWidth("CIGARETY") / 2, 44, "CIGARETY", Red, 1);
    c.text(34 - Canvas::textWidth("NEJSOU") / 2, 54, "NEJSOU", Red, 1);
    c.rect(8, 40, 6, 3, Paint(Silver, White, Mix::Checker));
    c.rect(54, 40, 6, 3, Paint(Silver, White, Mix::Checker));
    c.rect(4, 124, 177, 90, Black);  // the glass case over the counter
    c.rect(6, 126, 173, 86, Paint(Silver, White, Mix::Checker));
    c.rect(6, 126, 173, 3, White);
    // On the counter, between his hands and unseen by him, the mouse at the last rohlík.
    rohlik(c, 72, 119, 13);
    c.ellipse(104, 116, 12, 8, Black);
    c.ellipse(104, 116, 11, 7, Grey);
    c.ellipse(91, 114, 7, 6, Black);
    c.ellipse(91, 114, 6, 5, Grey);
    c.ellipse(94, 106, 4, 4, Black);  // the ear
    c.ellipse(94, 106, 3, 3, Fuchsia);
    c.rect(89, 112, 2, 2, Black);
    c.ellipse(85, 117, 2, 1, Fuchsia);                                    // its nose in the crust
    c.polyline({{115, 119}, {122, 123}, {128, 118}, {133, 122}}, Black);  // the tail
    for (const Point crumb : {Point{84, 126}, Point{70, 127}, Point{94, 127}}) c.rect(crumb.x, crumb.y, 2, 1, Yellow);
    // The four cards in the order their buttons stand, each with its price tag in crowns.
    enum class Mark : std::uint8_t { Star, Vip, Bow, Heart };
    struct Card {
        Paint face;
        std::string_view price;
        Mark mark;
    };
    const Card cards[] = {{Green, "5000", Mark::Star},
                          {Paint(Olive, Black, Mix::Checker), "10000", Mark::Vip},
                          {Red, "7000", Mark::Bow},
                          {Blue, "4000", Mark::Heart}};
    for (int i = 0; i < 4; ++i) {
        const int x = 8 + i * 44;
        const int y = 132;
        c.rect(x, y, 36, 46, Black);
        c.rect(x + 1, y + 1, 34, 44, White);
        c.rect(x + 3, y + 3, 30, 40, cards[i].face);
        switch (cards[i].mark) {
            case Mark::Star:  // magic
                sparkle(c, x + 18, y + 22, 11, Yellow);
                sparkle(c, x + 8, y + 8, 3, White);
                sparkle(c, x + 29, y + 36, 3, White);
                break;
            case Mark::Vip:
                c.text(x + (36 - Canvas::textWidth("VIP")) / 2, y + 17, "VIP", Yellow, 1);
                c.rect(x + 3, y + 28, 30, 2, Yellow);
                break;
            case Mark::Bow:  // a gift
                c.rect(x + 3, y + 20, 30, 4, Yellow);
                c.rect(x + 16, y + 3, 4, 40, Yellow);
                c.ellipse(x + 12, y + 14, 5, 3, Yellow);
                c.ellipse(x + 24, y + 14, 5, 3, Yellow);
                break;
            case Mark::Heart:  // love
                heart(c, x + 18, y + 18, 9, White);
                heart(c, x + 18, y + 19, 6, Navy);
                break;
        }
        board(c, x - 2, y + 50, 40, 24, "", White, Black, 1);
        c.text(x + 18 - Canvas::textWidth(cards[i].price) / 2, y + 53, cards[i].price, Black, 1);
        c.text(x + 18 - Canvas::textWidth("Kč") / 2, y + 63, "Kč", Black, 1);
    }
    // Beside the kiosk: shelves with nothing on them.
    c.rect(200, 30, 300, 184, Black);
    c.rect(202, 32, 296, 180, Paint(Olive, Yellow, Mix::Sparse));
    for (int y = 70; y < 214; y += 46) c.rect(202, y, 296, 5, Maroon);
    pavement(c, 0, kGround, c.width(), c.height() - kGround);
    c.rect(0, kGround, c.width(), 2, Black);
    c.rect(510, 0, c.width() - 510, kGround, Paint(Silver, White, Mix::Sparse));  // the house behind
    for (int x = 530; x < c.width(); x += 60) {
        for (int y : {20, 110}) {
            c.rect(x, y, 34, 50, Black);
            c.rect(x + 2, y + 2, 30, 46, Teal);
        }
    }
    lampPost(c, 520, 300, 180, true);
}

// A coin in flight or on the ground.
void coin(Canvas& c, int x, int y) {
    c.ellipse(x, y, 4, 3, Black);
    c.ellipse(x, y, 3, 2, Yellow);
    c.plot(x - 1, y - 1, White);
}

void busStop(Canvas& c) {
    // The stop at the edge of town: you by its post with your change, the bus already going.
    hills(c, 120);
    road(c, kGround, 300);
    Random random(7);
    grass(c, random, 0, 300, c.width(), c.height() - 300);
    c.rect(0, 186, c.width(), kGround - 186, Paint(Silver, Grey, Mix::Sparse));  // the pavement
    c.rect(0, 186, c.width(), 2, Grey);
    // The bus to Šluknov, its back end at the edge of what you see, pulling away in a cloud.
    c.rect(140, 96, 240, 112, Black);
    c.rect(142, 98, 236, 108, Paint(White, Silver, Mix::Sparse));
    c.rect(142, 150, 236, 12, Red);
    c.rect(146, 104, 18, 40, Black);  // the back window
    c.rect(148, 106, 14, 36, Paint(Teal, Aqua, Mix::Sparse));
    for (int x = 172; x < 378; x += 34) {
        c.rect(x, 104, 28, 34, Black);
        c.rect(x + 2, 106, 24, 30, Paint(Teal, Aqua, Mix::Sparse));
    }
    c.rect(143, 168, 6, 8, Red);  // rear light
    c.rect(150, 190, 24, 8, Black);
    c.text(152, 191, "404", White, 1);
    c.ellipse(196, 206, 13, 13, Black);
    c.ellipse(196, 206, 6, 6, Grey);
    c.ellipse(330, 206, 13, 13, Black);
    c.ellipse(330, 206, 6, 6, Grey);
    for (const auto& [x, y, size] : {std::array{150, 202, 6}, std::array{134, 198, 8}, std::array{118, 188, 10}}) {
        c.ellipse(x, y, size + 1, size * 2 / 3 + 1, Black);  // its exhaust
        c.ellipse(x, y, size, size * 2 / 3, Paint(Silver, White, Mix::Checker));
    }
    for (int k = 0; k < 3; ++k) c.rect(128 + k * 2, 108 + k * 14, 10 - k * 2, 2, Black);  // off it goes
    // The stop's post with its sign and the timetable.
    c.rect(24, 10, 6, kGround - 12, Black);
    c.rect(25, 10, 4, kGround - 12, Grey);
    board(c, 0, 2, 54, 46, "", White, Black, 1);
    c.frame(2, 4, 50, 42, Blue, 2);
    c.rect(13, 9, 28, 16, Black);  // the bus pictogram
    c.rect(15, 11, 24, 8, White);
    c.rect(15, 14, 24, 1, Black);
    c.ellipse(19, 26, 3, 3, Black);
    c.ellipse(35, 26, 3, 3, Black);
    c.text(4, 34, "ZASTÁVKA", Black, 1);
    board(c, 3, 50, 48, 12, "RUMBURK", White, Black, 1);
    c.rect(12, 68, 30, 34, Black);
    c.rect(14, 70, 26, 30, Yellow);
    for (int line = 0; line < 4; ++line) c.rect(16, 74 + line * 6, 22 - (line % 2) * 8, 2, Black);
    // You, holding up trousers that the change drags down, the pockets bulging with it.
    const Person you{.x = 92,
                     .feet = 228,
                     .height = 178,
                     .skin = kSkin,
                     .shirt = Olive,
                     .trousers = Navy,
                     .hair = Maroon,
                     .mood = Mood::Scared,
                     .leftHand = {58, 160},
                     .rightHand = {126, 160}};
    person(c, you);
    for (const int side : {-1, 1}) {  // the pockets, bulging at the thighs
        const int x = you.x + side * 30;
        c.ellipse(x, 184, 15, 15, Black);
    }
    c.polygon({{59, 156}, {125, 156}, {128, 182}, {56, 182}}, Black);  // the trousers' seat, slipping
    c.polygon({{60, 157}, {124, 157}, {127, 181}, {57, 181}}, Navy);
    for (const int side : {-1, 1}) {
        const int x = you.x + side * 30;
        c.ellipse(x, 184, 14, 14, Navy);
        c.ellipse(x, 172, 9, 3, Black);  // the pocket's mouth, crowns showing in it
        for (int k = -1; k <= 1; ++k) c.ellipse(x + k * 5, 171, 2, 2, Yellow);
        c.line({x - side * 6, 188}, {x + side * 2, 194}, Black);  // the strain in the cloth
    }
    c.rect(62, 150, 60, 7, Black);  // underpants where the shirt ends
    c.rect(63, 151, 58, 5, Paint(White, Red, Mix::Checker));
    for (const Point hand : {you.leftHand, you.rightHand}) {  // fists on the waistband
        c.ellipse(hand.x, hand.y, 8, 7, Black);
        c.ellipse(hand.x, hand.y, 7, 6, kSkin);
        c.line({hand.x - 4, hand.y}, {hand.x + 4, hand.y}, Black);
    }
    // The coins that get away.
    for (const Point p : {Point{140, 198}, Point{46, 200}, Point{136, 214}, Point{152, 224}, Point{40, 222},
                          Point{28, 228}, Point{118, 229}}) {
        coin(c, p.x, p.y);
    }
    for (const Point p : {Point{140, 198}, Point{46, 200}, Point{136, 214}}) c.rect(p.x, p.y - 12, 1, 6, Black);
    // Beyond: the shelter with its bench and bin, the road on to the hills.
    c.rect(420, 100, 200, 8, Black);
    c.rect(424, 108, 4, 78, Black);
    c.rect(612, 108, 4, 78, Black);
    c.rect(428, 108, 184, 70, Paint(Aqua, White, Mix::Checker));
    c.rect(450, 170, 140, 6, Maroon);
    c.rect(650, 150, 20, 36, Black);
    c.rect(652, 152, 16, 34, Green);
    board(c, 640, 60, 110, 30, "ŠLUKNOV 8", Blue, White, 1);
    c.rect(692, 90, 4, 96, Grey);
}

void busToSluknov(Canvas& c) {
    // The bus to Šluknov, head on, the driver pleased with his eight crowns.
    hills(c, 120);
    road(c, 200, 330);
    Random random(5);
    grass(c, random, 0, 330, c.width(), c.height() - 330);
    c.rect(10, 20, 166, 196, Black);
    c.rect(12, 22, 162, 192, Paint(White, Silver, Mix::Sparse));
    c.rect(28, 28, 130, 22, Black);  // destination above the windscreen
    c.text(28 + (130 - Canvas::textWidth("ŠLUKNOV", 2)) / 2, 34, "ŠLUKNOV", Yellow, 2);
    c.rect(18, 56, 150, 88, Black);
    c.rect(20, 58, 146, 84, Paint(Teal, Aqua, Mix::Sparse));
    person(c, {.x = 126,
               .feet = 200,
               .height = 130,
               .skin = kSkin,
               .shirt = Blue,
               .trousers = Navy,
               .hair = Maroon,
               .mood = Mood::Grin,
               .leftHand = {100, 130},
               .rightHand = {146, 130}});
    c.ellipse(120, 132, 24, 6, Black);  // steering wheel
    c.ellipse(120, 132, 20, 3, Paint(Teal, Aqua, Mix::Sparse));
    c.line({40, 140}, {74, 96}, Black, 2);  // wipers
    c.line({96, 140}, {112, 120}, Black, 2);
    c.rect(92, 56, 2, 86, Black);
    // Below the windscreen the body hides the driver's legs.
    c.rect(18, 142, 150, 4, Black);
    c.rect(12, 146, 162, 68, Paint(White, Silver, Mix::Sparse));
    c.rect(12, 150, 162, 20, Red);
    c.ellipse(30, 182, 10, 8, Black);
    c.ellipse(30, 182, 8, 6, Yellow);
    c.ellipse(156, 182, 10, 8, Black);
    c.ellipse(156, 182, 8, 6, Yellow);
    for (int y = 176; y < 196; y += 4) c.rect(50, y, 86, 2, Grey);
    c.rect(8, 198, 170, 10, Black);
    c.rect(10, 200, 166, 6, Grey);
    board(c, 66, 196, 54, 12, "ULA 404", White, Black, 1);
    c.line({10, 60}, {2, 52}, Black, 2);  // mirrors
    c.rect(0, 60, 6, 20, Black);
    c.line({176, 60}, {182, 52}, Black, 2);
    c.rect(180, 60, 5, 20, Black);
    c.rect(18, 208, 24, 18, Black);
    c.rect(144, 208, 24, 18, Black);
    board(c, 400, 90, 120, 30, "ŠLUKNOV 8", Blue, White, 1);
    c.rect(456, 120, 4, 80, Grey);
    tree(c, 300, 200, 60);
    tree(c, 640, 200, 70);
}

void bloodBank(Canvas& c) {
    // The blood bank: nurse Jarmila found the blood too slow and brought the vacuum cleaner.
    c.fill(Paint(White, Aqua, Mix::Sparse));
    for (int y = 0; y < 150; y += 16) c.rect(0, y, c.width(), 1, Silver);  // tiles
    for (int x = 0; x < c.width(); x += 16) c.rect(x, 0, 1, 150, Silver);
    c.rect(0, 150, c.width(), kGround - 150, Paint(Aqua, Teal, Mix::Checker));
    c.rect(0, kGround, c.width(), c.height() - kGround, Paint(Silver, Grey, Mix::Checker));
    c.rect(0, kGround, c.width(), 2, Black);
    // The armchair, and you in it, out cold.
    c.rect(100, 96, 84, 96, Black);
    c.rect(102, 98, 80, 94, Maroon);
    c.rect(96, 150, 92, 24, Black);
    c.rect(98, 152, 88, 20, Red);
    c.rect(104, 174, 6, 52, Black);
    c.rect(174, 174, 6, 52, Black);
    const Person you{.x = 142,
                     .feet = 222,
                     .height = 170,
                     .skin = Paint(White, Silver, Mix::Sparse),
                     .shirt = Olive,
                     .trousers = Navy,
                     .hair = Maroon,
                     .mood = Mood::Fainted,
                     .leftHand = {106, 160},
                     .rightHand = {182, 150},
                     .seated = true};
    person(c, you);
    // The tube from his arm to the hose, and the machine on the floor.
    c.polyline({{108, 158}, {90, 150}, {74, 138}}, Red, 3);
    c.rect(103, 154, 8, 6, White);  // plaster
    // Nurse Jarmila, cap with the red cross, both hands on the hose.
    const Person nurse{.x = 44,
                       .feet = 226,
                       .height = 184,
                       .skin = kSkin,
                       .shirt = White,
                       .trousers = White,
                       .hair = Yellow,
                       .mood = Mood::Grin,
                       .leftHand = {24, 150},
                       .rightHand = {70, 136}};
    person(c, nurse);
    const Point head = headCentre(nurse);
    const int r = headRadius(nurse);
    c.rect(head.x - r / 2, head.y - r - 6, r, 12, Black);
    c.rect(head.x - r / 2 + 1, head.y - r - 5, r - 2, 10, White);
    c.rect(head.x - 2, head.y - r - 4, 4, 8, Red);
    c.rect(head.x - 4, head.y - r - 2, 8, 4, Red);
    c.rect(28, 150, 32, 30, Silver);  // apron pocket with a syringe
    c.frame(28, 150, 32, 30, Black);
    c.polyline({{74, 138}, {60, 160}, {24, 150}, {14, 200}, {30, 214}}, Black, 5);  // the hose
    c.polyline({{74, 138}, {60, 160}, {24, 150}, {14, 200}, {30, 214}}, Grey, 3);
    c.ellipse(58, 212, 22, 14, Black);
    c.ellipse(58, 212, 20, 12, Red);
    c.ellipse(52, 208, 5, 3, White);
    c.ellipse(42, 226, 5, 5, Black);
    c.ellipse(74, 226, 5, 5, Black);
    c.polyline({{78, 216}, {96, 222}, {140, 220}, {200, 210}, {236, 190}}, Black, 2);  // the cord
    c.rect(234, 184, 10, 12, Black);
    c.rect(235, 185, 8, 10, White);
    // Above the armchair the poster, with what a donor gets; beyond, the cabinet and the rohlík.
    board(c, 100, 2, 82, 74, "", White, Black, 1);
    c.text(141 - Canvas::textWidth("DARUJ", 2) / 2, 8, "DARUJ", Red, 2);
    c.text(141 - Canvas::textWidth("KREV", 2) / 2, 26, "KREV", Red, 2);
    c.ellipse(118, 60, 7, 8, Red);  // the drop
    c.polygon({{112, 58}, {118, 44}, {124, 58}}, Red);
    c.ellipse(116, 58, 2, 2, White);
    board(c, 132, 48, 44, 20, "400 Kč", Lime, Black, 1);
    c.rect(400, 40, 120, 174, Black);
    c.rect(402, 42, 116, 172, White);
    c.rect(459, 42, 2, 172, Black);
    c.rect(418, 70, 30, 10, Red);
    c.rect(560, 150, 140, 8, Black);  // a table
    c.rect(570, 158, 6, 56, Black);
    c.rect(684, 158, 6, 56, Black);
    c.ellipse(600, 146, 22, 4, White);
    rohlik(c, 600, 140, 12);
}

void ladyOnTheSquare(Canvas& c) {
    // Šluknov's square; the lady in the flowered hat has waited fifty years for love.
    sluknovSquare(c);
    const Person lady{.x = 92,
                      .feet = 230,
                      .height = 206,
                      .skin = kSkin,
                      .shirt = Purple,
                      .trousers = Purple,
                      .hair = Silver,
                      .mood = Mood::Wink,
                      .leftHand = {30, 120},
                      .rightHand = {150, 184}};
    person(c, lady);
    const Point head = headCentre(lady);
    const int r = headRadius(lady);
    // Skirt over the legs, cheeks, and the hat with its flower.
    c.polygon({{54, 150}, {130, 150}, {150, 214}, {34, 214}}, Black);
    c.polygon({{56, 152}, {128, 152}, {147, 212}, {37, 212}}, Paint(Purple, Fuchsia, Mix::Sparse));
    c.ellipse(head.x - r / 2, head.y + r / 3, 5, 3, Paint(Red, White, Mix::Checker));
    c.ellipse(head.x + r / 2, head.y + r / 3, 5, 3, Paint(Red, White, Mix::Checker));
    c.ellipse(head.x, head.y - r + 4, r + 18, 7, Black);
    c.ellipse(head.x, head.y - r + 4, r + 16, 5, Navy);
    c.ellipse(head.x, head.y - r - 6, r - 4, 14, Black);
    c.ellipse(head.x, head.y - r - 6, r - 6, 12, Navy);
    for (const Point p : {Point{head.x + 22, head.y - r - 12}, Point{head.x + 30, head.y - r - 4},
                          Point{head.x + 14, head.y - r - 4}, Point{head.x + 22, head.y - r + 2}}) {
        c.ellipse(p.x, p.y, 6, 6, Black);
        c.ellipse(p.x, p.y, 5, 5, Fuchsia);
    }
    c.ellipse(head.x + 22, head.y - r - 5, 4, 4, Yellow);
    // The handbag (it will come down on you shortly) and her beads.
    c.polyline({{142, 184}, {150, 170}, {158, 184}}, Black, 2);
    c.rect(138, 184, 26, 22, Black);
    c.rect(140, 186, 22, 18, Maroon);
    for (int i = -3; i <= 3; ++i) c.ellipse(head.x + i * 6, head.y + r + 12 + (i * i) / 2, 2, 2, White);
    heart(c, 26, 40, 7, Red);
    heart(c, 160, 30, 5, Red);
    heart(c, 20, 78, 4, Fuchsia);
    // The bus that brought you, leaving.
    c.rect(560, 150, 160, 60, Black);
    c.rect(562, 152, 156, 56, Paint(White, Silver, Mix::Sparse));
    c.rect(562, 176, 156, 8, Red);
    for (int x = 570; x < 710; x += 26) c.rect(x, 158, 20, 14, Teal);
    c.ellipse(590, 212, 10, 10, Black);
    c.ellipse(690, 212, 10, 10, Black);
}

void beeMan(Canvas& c) {
    // At the corner: the man with the collecting tin for Šluknov's bees, and his sad eyes.
    sluknovSquare(c);
    c.rect(0, 0, 60, kGround, Black);  // the corner house, right behind him
    c.rect(0, 0, 58, kGround, Paint(Olive, Yellow, Mix::Sparse));
    board(c, 4, 20, 50, 14, "NÁMĚSTÍ", Navy, White, 1);
    const Person him{.x = 100,
                     .feet = 230,
                     .height = 206,
                     .skin = kSkin,
                     .shirt = Green,
                     .trousers = Olive,
                     .hair = Maroon,
                     .mood = Mood::Sad,
                     .leftHand = {80, 168},
                     .rightHand = {122, 168}};
    person(c, him);
    const Point head = headCentre(him);
    const int r = headRadius(him);
    // A beekeeper's hat with its veil rolled up.
    c.ellipse(head.x, head.y - r + 6, r + 16, 7, Black);
    c.ellipse(head.x, head.y - r + 6, r + 14, 5, Paint(White, Silver, Mix::Checker));
    c.ellipse(head.x, head.y - r - 4, r - 6, 12, Black);
    c.ellipse(head.x, head.y - r - 4, r - 8, 10, White);
    c.rect(head.x - r - 12, head.y - r + 4, 2 * r + 24, 3, Paint(Grey, White, Mix::Checker));
    // The collecting tin with a bee on its label.
    c.rect(78, 150, 46, 50, Black);
    c.rect(80, 152, 42, 46, Silver);
    c.ellipse(101, 152, 21, 4, Black);
    c.ellipse(101, 152, 19, 3, Grey);
    c.rect(94, 151, 14, 2, Black);
    c.rect(82, 166, 38, 22, Yellow);
    c.ellipse(101, 177, 8, 5, Black);
    c.rect(98, 172, 2, 10, Yellow);
    c.rect(103, 172, 2, 10, Yellow);
    c.ellipse(97, 171, 3, 2, White);
    c.ellipse(104, 171, 3, 2, White);
    c.text(82, 190, "VČELY", Black, 1);
    c.ellipse(80, 168, 6, 6, Black);
    c.ellipse(80, 168, 5, 5, kSkin);
    c.ellipse(122, 168, 6, 6, Black);
    c.ellipse(122, 168, 5, 5, kSkin);
    // Behind him, small down the square: the lady of the hat stomping off, her back to you,
    // handbag swinging.
    const Person lady{.x = 164,
                      .feet = 218,
                      .height = 72,
                      .skin = kSkin,
                      .shirt = Purple,
                      .trousers = Purple,
                      .hair = Silver,
                      .mood = Mood::Angry,
                      .leftHand = {150, 196},
                      .rightHand = {180, 178}};
    person(c, lady);
    const Point hers = headCentre(lady);
    const int hersR = headRadius(lady);
    c.ellipse(hers.x, hers.y, hersR, hersR, Silver);  // seen from behind: her hair, combed down to a bun
    for (const int dx : {-6, 0, 6})
        c.line({hers.x + dx, hers.y - hersR + 4}, {hers.x + dx / 2, hers.y + hersR - 6}, Grey);
    c.ellipse(hers.x, hers.y + hersR - 3, 5, 4, Black);
    c.ellipse(hers.x, hers.y + hersR - 3, 4, 3, Paint(Silver, White, Mix::Checker));
    c.ellipse(hers.x, hers.y - 10, 16, 3, Black);  // her hat, its flower
    c.ellipse(hers.x, hers.y - 10, 15, 2, Navy);
    c.ellipse(hers.x, hers.y - 14, 8, 5, Black);
    c.ellipse(hers.x, hers.y - 14, 7, 4, Navy);
    c.ellipse(hers.x + 7, hers.y - 16, 3, 3, Fuchsia);
    c.rect(176, 178, 9, 8, Black);  // the handbag, up in the swing
    c.rect(177, 179, 7, 6, Maroon);
    for (const auto& [a, b] :
         {std::pair{Point{176, 170}, Point{184, 164}}, std::pair{Point{178, 188}, Point{185, 192}}}) {
        c.line(a, b, Black);  // the swing
    }
    for (const auto& [a, b] :
         {std::pair{Point{146, 212}, Point{140, 208}}, std::pair{Point{182, 212}, Point{185, 206}}}) {
        c.line(a, b, Black);  // the stamp of her heels
    }
    for (const auto& [x, y] : {std::pair{146, 216}, std::pair{154, 220}, std::pair{176, 218}}) {
        c.ellipse(x, y, 4, 2, Black);  // the dust of her stamping
        c.ellipse(x, y, 3, 1, Silver);
    }
    c.ellipse(hers.x - 10, hers.y - 24, 5, 3, Black);  // steam
    c.ellipse(hers.x - 10, hers.y - 24, 4, 2, White);
    c.ellipse(hers.x + 12, hers.y - 26, 4, 3, Black);
    c.ellipse(hers.x + 12, hers.y - 26, 3, 2, White);
}

void tollBee(Canvas& c) {
    // A bee the size of a cat has landed on your nose: toll collector's cap, receipt, five eyes.
    Random random(2);
    sky(c, 0, 150, Blue, Aqua);
    townHouse(c, 200, 90, 80, Paint(Yellow, White, Mix::Checker), Maroon);
    townHouse(c, 500, 100, 90, Paint(Aqua, White, Mix::Sparse), Red);
    grass(c, random, 0, 150, c.width(), c.height() - 150);
    // Your face, from the nose down past the box's edge, looking up at it cross-eyed.
    c.ellipse(96, 330, 170, 170, Black);
    c.ellipse(96, 330, 168, 168, kSkin);
    for (int side : {-1, 1}) {
        const int ex = 96 + side * 76;
        c.line({ex - 16, 192 - side * 2}, {ex + 14, 192 + side * 2}, Maroon, 3);  // brows
        c.ellipse(ex, 214, 18, 14, Black);
        c.ellipse(ex, 214, 16, 12, White);
        c.ellipse(ex - side * 8, 208, 5, 6, Black);  // looking up and inwards, at the bee
    }
    c.ellipse(96, 400, 40, 14, Black);
    c.ellipse(96, 400, 36, 10, Maroon);
    c.ellipse(96, 210, 46, 36, Black);  // the nose it stands on
    c.ellipse(96, 210, 44, 34, Paint(Red, White, Mix::Sparse));
    c.ellipse(80, 198, 8, 5, White);
    c.ellipse(82, 240, 6, 4, Black);
    c.ellipse(110, 240, 6, 4, Black);
    // Wings behind the body.
    c.ellipse(86, 58, 26, 36, Black);
    c.ellipse(86, 58, 24, 34, Paint(White, Aqua, Mix::Checker));
    c.ellipse(124, 66, 22, 30, Black);
    c.ellipse(124, 66, 20, 28, Paint(White, Aqua, Mix::Checker));
    // Body in stripes, the sting at the back.
    c.polygon({{156, 112}, {184, 122}, {156, 132}}, Black);
    c.ellipse(110, 120, 50, 34, Black);
    c.ellipse(110, 120, 48, 32, Yellow);
    for (int x : {92, 114, 136}) {
        for (int y = 86; y < 156; ++y) {
            for (int dx = 0; dx < 10; ++dx) {
                if (c.at(x + dx, y) == Yellow) c.plot(x + dx, y, Black);
            }
        }
    }
    for (int x : {88, 112, 134}) c.polyline({{x, 150}, {x - 4, 166}, {x - 8, 172}}, Black, 3);
    // Head: two big eyes and three small ones above them, the cap over all five.
    c.ellipse(50, 112, 30, 28, Black);
    c.ellipse(50, 112, 28, 26, Paint(Black, Grey, Mix::Sparse));
    c.ellipse(37, 112, 10, 9, White);
    c.ellipse(63, 112, 10, 9, White);
    c.rect(38, 113, 5, 5, Black);
    c.rect(58, 113, 5, 5, Black);
    for (int i = 0; i < 3; ++i) {
        c.ellipse(38 + i * 12, 96 - (i == 1 ? 3 : 0), 4, 4, White);
        c.rect(38 + i * 12, 96 - (i == 1 ? 3 : 0), 2, 2, Black);
    }
    c.polyline({{36, 128}, {50, 134}, {64, 128}}, White, 2);
    c.ellipse(50, 84, 26, 8, Black);  // the cap
    c.ellipse(50, 82, 24, 8, Navy);
    c.rect(26, 86, 54, 5, Black);
    c.rect(18, 88, 34, 4, Black);
    c.ellipse(50, 80, 4, 4, Yellow);
    c.polyline({{40, 76}, {30, 56}, {22, 50}}, Black, 2);  // antennae through the cap
    c.polyline({{60, 76}, {70, 54}, {80, 48}}, Black, 2);
    // The receipt held out in a front leg.
    c.line({56, 138}, {36, 156}, Black, 3);
    c.rect(2, 150, 42, 46, Black);
    c.rect(3, 151, 40, 44, White);
    c.text(6, 156, "MÝTO", Black, 1);
    c.text(6, 170, "1000", Red, 1);
    c.text(6, 182, "Kč", Red, 1);
    for (int i = 0; i < 3; ++i) c.line({168, 70 + i * 10}, {182, 66 + i * 10}, Black);
    // More bees, out on the town's business.
    for (int i = 0; i < 8; ++i) {
        const int x = 380 + random.below(320);
        const int y = 30 + random.below(100);
        c.ellipse(x, y, 4, 3, Black);
        c.ellipse(x, y, 3, 2, Yellow);
        c.ellipse(x + 1, y - 4, 2, 2, White);
    }
}

void stungNose(Canvas& c) {
    // You went on without paying. Behind you the end of Šluknov, in front of you your nose.
    Random random(1);
    hills(c, 128);
    grass(c, random, 0, 178, c.width(), c.height() - 178);
    road(c, 198, 262);
    // The town you are leaving, its last houses down the road.
    for (int i = 0; i < 4; ++i) {
        townHouse(c, 250 + i * 118, 96, 110 + (i % 2) * 14, Paint(i % 2 == 0 ? Yellow : Aqua, White, Mix::Sparse),
                  i % 2 == 0 ? Maroon : Red);
    }
    // The sign at the town's end: its name struck through in red.
    c.rect(52, 36, 4, 120, Grey);
    board(c, 4, 6, 100, 30, "ŠLUKNOV", White, Black, 2);
    c.line({8, 33}, {100, 9}, Red, 2);
    // You, and the nose growing out of your face.
    const Person you{.x = 80,
                     .feet = 312,
                     .height = 246,
                     .skin = kSkin,
                     .shirt = Olive,
                     .trousers = Navy,
                     .hair = Maroon,
                     .mood = Mood::Sad,
                     .leftHand = {34, 204},
                     .rightHand = {150, 208}};
    person(c, you);
    const Point head = headCentre(you);
    const int r = headRadius(you);
    const Point bulb{head.x + 14, head.y + r + 36};
    const Paint swollen(Red, Fuchsia, Mix::Sparse);
    // Outlines first, then the fill over both, so the bridge runs into the bulb without a seam.
    c.polygon(
        {{head.x - 9, head.y + 4}, {head.x + 9, head.y + 4}, {bulb.x + 40, bulb.y - 20}, {bulb.x - 44, bulb.y - 20}},
        Black);
    c.ellipse(bulb.x, bulb.y, 62, 40, Black);
    c.polygon(
        {{head.x - 7, head.y + 5}, {head.x + 7, head.y + 5}, {bulb.x + 38, bulb.y - 19}, {bulb.x - 42, bulb.y - 19}},
        swollen);
    c.ellipse(bulb.x, bulb.y, 60, 38, swollen);
    c.ellipse(bulb.x - 24, bulb.y - 16, 14, 8, Paint(White, Red, Mix::Sparse));  // the shine
    c.ellipse(bulb.x - 28, bulb.y - 18, 5, 3, White);
    for (int side : {-1, 1}) {  // it is still growing
        for (int k = 0; k < 3; ++k) {
            const int x = bulb.x + side * (66 + k * 3);
            const int y = bulb.y - 14 + k * 14;
            c.line({x, y}, {x + side * 8, y - 4 + k * 4}, Black, 2);
        }
    }
    for (const Point hand : {you.leftHand, you.rightHand}) {
        c.ellipse(hand.x, hand.y, 9, 8, Black);
        c.ellipse(hand.x, hand.y, 8, 7, kSkin);
    }
    // The sting, left in the nose, and the pain around it.
    const Point sting{bulb.x + 36, bulb.y - 30};
    c.polygon({{sting.x - 3, sting.y + 3}, {sting.x + 12, sting.y - 17}, {sting.x + 17, sting.y - 12}}, Black);
    for (const auto& [a, b] : {std::pair{Point{sting.x - 6, sting.y - 12}, Point{sting.x - 10, sting.y - 20}},
                               std::pair{Point{sting.x + 10, sting.y + 4}, Point{sting.x + 18, sting.y + 6}},
                               std::pair{Point{sting.x - 10, sting.y}, Point{sting.x - 18, sting.y - 2}}}) {
        c.line(a, b, Red, 2);
    }
    // "AU!", as loud as it gets.
    for (const auto& [grow, paint] : {std::pair{110, Paint(Black)}, std::pair{100, Paint(White)}}) {
        const auto at = [grow](int dx, int dy) { return Point{150 + dx * grow / 100, 58 + dy * grow / 100}; };
        c.polygon({at(0, -24), at(8, -13), at(23, -17), at(19, -5), at(33, 0), at(19, 5), at(23, 17), at(8, 13),
                   at(0, 24), at(-8, 13), at(-23, 17), at(-19, 5), at(-33, 0), at(-19, -5), at(-23, -17), at(-8, -13)},
                  paint);
    }
    c.text(150 - Canvas::textWidth("AU!", 2) / 2, 52, "AU!", Red, 2);
    // The bee, off with its toll unpaid, a dotted line behind it.
    for (int i = 0; i < 5; ++i) c.rect(sting.x + 18 + i * 4, sting.y - 24 - i * 9, 2, 2, Black);
    c.ellipse(168, 14, 9, 6, Black);
    c.ellipse(168, 14, 8, 5, Yellow);
    c.rect(166, 9, 2, 10, Black);
    c.rect(171, 9, 2, 10, Black);
    c.ellipse(160, 13, 4, 4, Black);
    c.ellipse(170, 6, 6, 4, Paint(White, Aqua, Mix::Checker));
}

struct Drawing {
    Picture key;
    void (*draw)(Canvas&);
};

constexpr std::array<Drawing, content::kPictureCount> kDrawings{{
    {Picture::PIC_1, stungNose},
    {Picture::PIC_2, tollBee},
    {Picture::PIC_3, beeMan},
    {Picture::PIC_4, ladyOnTheSquare},
    {Picture::PIC_5, busToSluknov},
    {Picture::PIC_6, bloodBank},
    {Picture::PIC_7, busStop},
    {Picture::PIC_8, tobaccoKiosk},
    {Picture::PIC_9, smashedDoor},
    {Picture::PIC_10, closedExchange},
    {Picture::PIC_11, towerBlock},
    {Picture::PIC_12, square},
    {Picture::PIC_13, franta},
    {Picture::PIC_14, caretaker},
}};

// Every picture has its drawing, found at its key's place.
static_assert([] {
    for (std::size_t i = 0; i < kDrawings.size(); ++i)
        if (static_cast<std::size_t>(kDrawings[i].key) != i || kDrawings[i].draw == nullptr) return false;
    return true;
}());

}  // namespace

Canvas drawScene(Picture key) {
    Canvas c(content::kPictureWidth, content::kPictureHeight, Black);
    kDrawings[static_cast<std::size_t>(key)].draw(c);
    return c;
}

}  // namespace tolm::pictures
