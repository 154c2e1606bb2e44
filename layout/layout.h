// The window's layout table: one row per control, in window order, as plain data.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "content/picture.h"
#include "content/text.h"
#include "runtime/control.h"

namespace tolm::layout {

enum class Kind : std::uint8_t { Label, Button, PictureBox, Frame, Shape };

// A kind's name wherever the layout is written out: for the page, the tests and the translators.
constexpr std::string_view kindName(Kind kind) {
    switch (kind) {
        case Kind::Label: return "label";
        case Kind::Button: return "button";
        case Kind::PictureBox: return "picture";
        case Kind::Frame: return "frame";
        case Kind::Shape: return "shape";
    }
    return {};
}
enum class Container : std::uint8_t { Window, Frame1 };

// Positions are twips relative to the container; 15 twips make one pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

struct Twips {
    int left, top, width, height;
};

enum class Family : std::uint8_t { MsSansSerif, BookmanOldStyle, ComicSansMs };

struct Font {
    Family family;
    int centipoints;  // 13.5 pt is 1350, so every size in the table stays exact
    int weight;       // 400 normal, 600 semibold, 700 bold
};

// The free typeface that draws a layout family, on the desktop and on the page alike: each has
// its family's shapes and widths. Liberation Sans keeps the narrow widths the captions were
// sized for; a wider sans would push "Zůstat v Rumburku" onto two lines.
constexpr std::string_view freeFamily(Family family) {
    switch (family) {
        case Family::MsSansSerif: return "Liberation Sans";
        case Family::BookmanOldStyle: return "URW Bookman";
        case Family::ComicSansMs: return "Comic Neue";
    }
    return {};
}

// Sizes are points at 96 dpi: every size in the layout lands on a whole pixel.
constexpr int pixelSize(const Font& font) { return font.centipoints * 96 / 7200; }

struct Rgb {
    std::uint8_t red, green, blue;
};

// A kind's own colour (button face for labels and buttons), or the workspace grey.
enum class SystemColour : std::uint8_t { Default, AppWorkspace };
using BackColour = std::variant<SystemColour, Rgb>;

struct Empty {};
using Content = std::variant<Empty, content::Text, content::Picture>;

inline constexpr int kNoTab = -1;

// A row names only what differs from the defaults: in the window, hidden at start, no caption,
// the kind's own font and colours, no tooltip, out of the tab chain.
struct ControlRow {
    Control control;
    Kind kind;
    Container in = Container::Window;
    Twips rect;
    bool visibleAtStart = false;
    Content caption = Empty{};  // the caption at start, or the picture a box holds
    std::optional<Font> font = std::nullopt;
    BackColour back = SystemColour::Default;
    std::optional<content::Text> tooltip = std::nullopt;
    int tab = kNoTab;
    // The caption's colour, where the back colour is too dark for the kind's own text colour.
    std::optional<Rgb> fore = std::nullopt;
};

// The window's own font: the frame's caption is drawn in it.
inline constexpr Font kWindowFont{Family::MsSansSerif, 825, 400};

// Restored, the client area holds every control plus the layout's left and top margin.
inline constexpr Twips kRestoredClientArea{0, 0, 12015, 8655};

inline constexpr const char* kWindowTitle = "Tolm";

extern const std::array<ControlRow, kControlCount> kLayout;

constexpr int toPixels(int twips) { return twips / kTwipsPerPixel; }

constexpr const ControlRow& rowOf(Control c) { return kLayout[indexOf(c)]; }

}  // namespace tolm::layout
