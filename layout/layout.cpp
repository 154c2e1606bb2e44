// The 70 controls of the window, one row each, in window order.
#include "layout/layout.h"

namespace tolm::layout {
namespace {

using T = content::Text;
using Pic = content::Picture;

// White on the three dark cards: their own colours stay, and the caption can be read on them.
constexpr Rgb kLightCaption{255, 255, 255};

constexpr bool inWindowOrder(const std::array<ControlRow, kControlCount>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (indexOf(rows[i].control) != i) return false;
    return true;
}

// Twips that are not whole pixels would shift a control by a pixel wherever it is rounded.
constexpr bool onWholePixels(const std::array<ControlRow, kControlCount>& rows) {
    for (const ControlRow& row : rows)
        for (const int v : {row.rect.left, row.rect.top, row.rect.width, row.rect.height})
            if (v % kTwipsPerPixel != 0) return false;
    return true;
}

// Tab walks the positions in order: a gap or a position used twice would skip a button or
// make the walk depend on the order of the rows.
constexpr bool tabPositionsRunFromZero(const std::array<ControlRow, kControlCount>& rows, int count) {
    std::array<int, kControlCount> uses{};
    int tabbed = 0;
    for (const ControlRow& row : rows) {
        if (row.tab == kNoTab) continue;
        if (row.tab < 0 || row.tab >= count) return false;
        ++uses[static_cast<std::size_t>(row.tab)];
        ++tabbed;
    }
    for (int i = 0; i < count; ++i)
        if (uses[static_cast<std::size_t>(i)] != 1) return false;
    return tabbed == count;
}

}  // namespace

// control, kind, container, {left, top, width, height}, visible at start, caption or picture,
// font, back colour, tooltip, tab position, and the caption's colour where it is not the kind's own
constexpr std::array<ControlRow, kControlCount> kLayout{{
    {Control::Picture1, Kind::PictureBox, Container::Window, {7200, 120, 2775, 3495}, false, Pic::PIC_1, std::nullopt, SystemColour::Default, std::nullopt, 68},
    {Control::Dale, Kind::Button, Container::Window, {360, 5640, 2175, 735}, false, T::CaptionJitDal, Font{Family::MsSansSerif, 1350, 700}, SystemColour::Default, std::nullopt, 66},
    {Control::Choice1, Kind::Button, Container::Window, {360, 4800, 2175, 735}, false, T::C01, Font{Family::MsSansSerif, 1350, 700}, SystemColour::Default, std::nullopt, 65},
    {Control::Vcela, Kind::PictureBox, Container::Window, {7200, 120, 2775, 3495}, false, Pic::PIC_2, std::nullopt, SystemColour::Default, std::nullopt, 64},
    {Control::Dal4, Kind::Button, Container::Window, {360, 5640, 2175, 735}, false, T::CaptionDal, Font{Family::MsSansSerif, 2400, 700}, SystemColour::Default, std::nullopt, 63},
    {Control::darovat, Kind::Button, Container::Window, {360, 4800, 2175, 735}, false, T::C03, Font{Family::MsSansSerif, 975, 700}, SystemColour::Default, std::nullopt, 61},
    {Control::Smula, Kind::Button, Container::Window, {360, 4800, 2175, 735}, false, T::CaptionSmulaNicNemas, Font{Family::MsSansSerif, 975, 700}, SystemColour::Default, std::nullopt, 60},
    {Control::Pryc, Kind::Button, Container::Window, {360, 4800, 2175, 735}, false, T::CaptionJdiPryc, Font{Family::MsSansSerif, 1350, 700}, SystemColour::Default, std::nullopt, 58},
    {Control::Dat, Kind::Button, Container::Window, {360, 5640, 2175, 735}, false, T::C04, Font{Family::MsSansSerif, 975, 700}, SystemColour::Default, std::nullopt, 57},
    {Control::Picture2, Kind::PictureBox, Container::Window, {7200, 120, 2775, 3495}, false, Pic::PIC_3, std::nullopt, SystemColour::Default, std::nullopt, 56},
    {Control::Picture3, Kind::PictureBox, Container::Window, {7200, 120, 2775, 3495}, false, Pic::PIC_4, std::nullopt, SystemColour::Default, std::nullopt, 55},
    {Control::Autobus, Kind::PictureBox, Container::Window, {7200, 120, 2775, 3495}, false, Pic::PIC_5, std::nullopt, SystemColour::Default, std::nullopt, 52},
    {Control::Dal3, Kind::Button, Container::Window, {360, 4800, 2175, 735}, false, T::CaptionDal, Font{Family::MsSansSerif, 2400, 700}, SystemColour::Default, std::nullopt, 51},
    {Control::Dal2, Kind::Button, Container::Window, {360, 4800, 2175, 735}, false, T::CaptionDal, Font{Family::MsSansSerif, 2400, 700}, SystemColour::Default, std::nullopt, 50},
    {Control::Picture4, Kind::PictureBox, Container::Window, {7200, 120, 2775, 3495}, false, Pic::PIC_6, std::nullopt, SystemColour::Default, std::nullopt, 49},
    {Control::Picture5, Kind::PictureBox, Container::Window, {7200, 120, 2775, 3495}, false, Pic::PIC_7, std::nullopt, SystemColour::Default, std::nullopt, 48},
    {Control::Jirikov, Kind::Button, Container::Window, {360, 6480, 2175, 735}, false, T::CaptionJetDoJirikova, Font{Family::MsSansSerif, 975, 700}, SystemColour::Default, std::nullopt, 47},
    {Control::Rumburk, Kind::Button, Container::Window, {360, 5640, 2175, 735}, false, T::CaptionZustatVRumburku, Font{Family::MsSansSerif, 975, 700}, SystemColour::Default, std::nullopt, 46},
    {Control::Slukonv, Kind::Button, Container::Window, {360, 4800, 2175, 735}, false, T::CaptionJetDoSluknova, Font{Family::MsSansSerif, 975, 700}, SystemColour::Default, std::nullopt, 45},
    {Control::Buy3, Kind::Button, Container::Window, {360, 7320, 2055, 735}, false, T::C05, Font{Family::MsSansSerif, 1350, 700}, SystemColour::Default, std::nullopt, 38},
    {Control::Buy1, Kind::Button, Container::Window, {360, 6480, 2055, 735}, false, T::C06, Font{Family::MsSansSerif, 1350, 700}, SystemColour::Default, std::nullopt, 37},
    {Control::Buy2, Kind::Button, Container::Window, {360, 5640, 2055, 735}, false, T::C07, Font{Family::MsSansSerif, 1350, 700}, SystemColour::Default, std::nullopt, 36},
    {Control::Buy4, Kind::Button, Container::Window, {360, 4800, 2055, 735}, false, T::C08, Font{Family::MsSansSerif, 1350, 700}, SystemColour::Default, std::nullopt, 35},
    {Control::Picture6, Kind::PictureBox, Container::Window, {7200, 120, 2775, 3495}, false, Pic::PIC_8, std::nullopt, SystemColour::Default, std::nullopt, 34},
    {Control::Picture7, Kind::PictureBox, Container::Window, {7200, 120, 2775, 3495}, false, Pic::PIC_9, std::nullopt, SystemColour::Default, std::nullopt, 33},
    {Control::Picture8, Kind::PictureBox, Container::Window, {7200, 120, 2775, 3495}, false, Pic::PIC_10, std::nullopt, SystemColour::Default, std::nullopt, 32},
    {Control::Vyrazit, Kind::Button, Container::Window, {360, 4800, 2055, 735}, false, T::CaptionVyrazitDvere, Font{Family::MsSansSerif, 1200, 700}, SystemColour::Default, std::nullopt, 31},
    {Control::Zpet, Kind::Button, Container::Window, {360, 4800, 2055, 735}, false, T::CaptionJitMenitJinam, Font{Family::MsSansSerif, 1200, 700}, SystemColour::Default, std::nullopt, 30},
    {Control::Frame1, Kind::Frame, Container::Window, {8880, 5520, 2895, 3015}, true, T::CaptionInventar, kWindowFont, SystemColour::AppWorkspace, std::nullopt, 29},
    {Control::Popis, Kind::Label, Container::Frame1, {480, 720, 2175, 2055}, false, Empty{}, Font{Family::MsSansSerif, 975, 700}, SystemColour::Default, std::nullopt, 43},
    {Control::Card1, Kind::Label, Container::Frame1, {120, 360, 1695, 255}, false, T::C09, Font{Family::MsSansSerif, 825, 700}, Rgb{255, 0, 0}, std::nullopt, 42},
    {Control::Card2, Kind::Label, Container::Frame1, {120, 360, 1575, 255}, false, T::C10, Font{Family::MsSansSerif, 825, 700}, Rgb{64, 64, 0}, std::nullopt, 41, kLightCaption},
    {Control::Card3, Kind::Label, Container::Frame1, {120, 360, 1575, 255}, false, T::C11, Font{Family::MsSansSerif, 975, 700}, Rgb{0, 0, 192}, std::nullopt, 40, kLightCaption},
    {Control::Card4, Kind::Label, Container::Frame1, {120, 360, 1575, 255}, false, T::C12, Font{Family::MsSansSerif, 975, 700}, Rgb{0, 128, 0}, std::nullopt, 39, kLightCaption},
    {Control::Panelak, Kind::PictureBox, Container::Window, {7200, 120, 2775, 3495}, false, Pic::PIC_11, std::nullopt, SystemColour::Default, std::nullopt, 27},
    {Control::Visit1, Kind::Button, Container::Window, {360, 6480, 2055, 735}, false, T::C13, Font{Family::MsSansSerif, 1200, 700}, SystemColour::Default, std::nullopt, 26},
    {Control::Visit2, Kind::Button, Container::Window, {360, 5640, 2055, 735}, false, T::C14, Font{Family::MsSansSerif, 975, 700}, SystemColour::Default, std::nullopt, 25},
    {Control::Visit3, Kind::Button, Container::Window, {360, 4800, 2055, 735}, false, T::C15, Font{Family::MsSansSerif, 1350, 400}, SystemColour::Default, std::nullopt, 24},
    {Control::Dal, Kind::Button, Container::Window, {360, 5640, 2055, 735}, false, T::CaptionDal, Font{Family::MsSansSerif, 2400, 700}, SystemColour::Default, std::nullopt, 21},
    {Control::Choice2, Kind::Button, Container::Window, {360, 6480, 2055, 735}, false, T::C16, Font{Family::MsSansSerif, 1200, 700}, SystemColour::Default, std::nullopt, 19},
    {Control::Choice3, Kind::Button, Container::Window, {360, 5640, 2055, 735}, false, T::C17, Font{Family::MsSansSerif, 1725, 700}, SystemColour::Default, std::nullopt, 18},
    {Control::Choice4, Kind::Button, Container::Window, {360, 4800, 2055, 735}, false, T::C18, Font{Family::MsSansSerif, 1350, 700}, SystemColour::Default, std::nullopt, 17},
    {Control::Picture9, Kind::PictureBox, Container::Window, {7200, 120, 2775, 3495}, false, Pic::PIC_12, std::nullopt, SystemColour::Default, std::nullopt, 16},
    {Control::Konec, Kind::Button, Container::Window, {10080, 120, 1815, 735}, true, T::CaptionKonec, Font{Family::ComicSansMs, 2400, 700}, SystemColour::Default, T::H01, 15},
    {Control::Pokracovat2, Kind::Button, Container::Window, {360, 5640, 2055, 735}, false, T::CaptionPokracovat, Font{Family::BookmanOldStyle, 1575, 600}, SystemColour::Default, std::nullopt, 14},
    {Control::Choice5, Kind::Button, Container::Window, {360, 4800, 2055, 735}, false, T::C19, Font{Family::BookmanOldStyle, 2025, 600}, SystemColour::Default, std::nullopt, 13},
    {Control::Picture10, Kind::PictureBox, Container::Window, {7200, 120, 2775, 3495}, false, Pic::PIC_13, std::nullopt, SystemColour::Default, std::nullopt, 11},
    {Control::Pokracovat, Kind::Button, Container::Window, {360, 5640, 2055, 735}, false, T::CaptionPokracovat, Font{Family::BookmanOldStyle, 1575, 600}, SystemColour::Default, std::nullopt, 10},
    {Control::Usmrtit, Kind::Button, Container::Window, {360, 6480, 2055, 735}, false, T::CaptionUsmrtit, Font{Family::BookmanOldStyle, 2175, 600}, SystemColour::Default, std::nullopt, 9},
    {Control::Choice6, Kind::Button, Container::Window, {360, 4800, 2055, 735}, false, T::C19, Font{Family::BookmanOldStyle, 2025, 600}, SystemColour::Default, std::nullopt, 8},
    {Control::Prosacovat, Kind::Button, Container::Window, {360, 6480, 2055, 735}, false, T::CaptionProsacovat, Font{Family::BookmanOldStyle, 1575, 600}, SystemColour::Default, std::nullopt, 6},
    {Control::Choice7, Kind::Button, Container::Window, {360, 4800, 2055, 735}, false, T::C19, Font{Family::BookmanOldStyle, 2025, 600}, SystemColour::Default, std::nullopt, 5},
    {Control::Domovnik, Kind::PictureBox, Container::Window, {7200, 120, 2775, 3495}, false, Pic::PIC_14, std::nullopt, SystemColour::Default, std::nullopt, 4},
    {Control::Jit, Kind::Button, Container::Window, {360, 5640, 2055, 735}, false, T::CaptionJitPryc, Font{Family::BookmanOldStyle, 2175, 600}, SystemColour::Default, std::nullopt, 3},
    {Control::Zabit, Kind::Button, Container::Window, {360, 4800, 2055, 735}, false, T::CaptionZabit, Font{Family::BookmanOldStyle, 2175, 600}, SystemColour::Default, std::nullopt, 2},
    {Control::Vyjit, Kind::Button, Container::Window, {360, 4800, 1935, 735}, true, T::CaptionVyjit, Font{Family::BookmanOldStyle, 2175, 600}, SystemColour::Default, std::nullopt, 1},
    {Control::Tally1, Kind::Label, Container::Window, {5160, 5400, 1575, 255}, false, T::C20, Font{Family::MsSansSerif, 825, 700}, Rgb{255, 255, 0}, T::H02, 67},
    {Control::Tally2, Kind::Label, Container::Window, {3360, 7800, 1575, 255}, false, T::C21, Font{Family::MsSansSerif, 825, 700}, Rgb{255, 255, 0}, T::H03, 62},
    {Control::Tally3, Kind::Label, Container::Window, {3360, 7800, 1575, 255}, false, T::C22, Font{Family::MsSansSerif, 825, 700}, Rgb{255, 255, 0}, T::H04, 59},
    {Control::Tally4, Kind::Label, Container::Window, {3360, 6840, 1575, 255}, false, T::C23, Font{Family::MsSansSerif, 825, 700}, Rgb{255, 255, 0}, T::H05, 54},
    {Control::Tally5, Kind::Label, Container::Window, {3360, 7320, 1575, 255}, false, T::C24, Font{Family::MsSansSerif, 825, 700}, Rgb{255, 255, 0}, T::H06, 53},
    {Control::Tally6, Kind::Label, Container::Window, {3360, 7320, 1575, 255}, false, T::C25, Font{Family::MsSansSerif, 825, 700}, Rgb{255, 255, 0}, T::H07, 44},
    {Control::L, Kind::Label, Container::Window, {3360, 4920, 1695, 255}, true, T::C26, Font{Family::MsSansSerif, 825, 700}, Rgb{128, 255, 128}, T::H08, 28},
    {Control::Shape1, Kind::Shape, Container::Window, {3000, 4800, 5535, 3735}, true, Empty{}, std::nullopt, SystemColour::Default, std::nullopt, kNoTab},
    {Control::penize, Kind::Label, Container::Window, {10320, 4920, 1455, 375}, true, Empty{}, Font{Family::MsSansSerif, 1350, 700}, SystemColour::Default, T::H09, 23},
    {Control::Pen, Kind::Label, Container::Window, {8880, 4920, 1215, 375}, true, T::CaptionPenize, Font{Family::MsSansSerif, 1350, 700}, SystemColour::Default, T::H10, 22},
    {Control::Tally7, Kind::Label, Container::Window, {3360, 6360, 1575, 255}, false, T::C27, Font{Family::MsSansSerif, 825, 700}, Rgb{255, 255, 0}, T::H11, 20},
    {Control::Tally8, Kind::Label, Container::Window, {3360, 5880, 1575, 255}, false, T::C28, Font{Family::MsSansSerif, 825, 700}, Rgb{255, 255, 0}, T::H12, 12},
    {Control::Domovni, Kind::Label, Container::Window, {3360, 5400, 1575, 255}, false, T::C29, Font{Family::MsSansSerif, 825, 700}, Rgb{255, 255, 0}, T::H13, 7},
    {Control::P, Kind::Label, Container::Window, {120, 120, 6615, 4215}, true, T::T00, Font{Family::BookmanOldStyle, 1200, 600}, SystemColour::Default, std::nullopt, 0},

}};

static_assert(inWindowOrder(kLayout), "the layout lists the controls in window order");
static_assert(onWholePixels(kLayout), "every place is whole pixels");
static_assert(tabPositionsRunFromZero(kLayout, 69), "the 69 tab positions 0 to 68 are each used once");

}  // namespace tolm::layout
