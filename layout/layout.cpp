// The window's controls, one row each, in window order.
#include "layout/layout.h"

namespace tolm::layout {
namespace {

using T = content::Text;
using Pic = content::Picture;

// White on the three dark cards: their own colours stay, and the caption can be read on them.
constexpr Rgb kLightCaption{255, 255, 255};

// The controls' faces: each family in the weight its captions are drawn in, and one plain caption.
constexpr Font boldSans(int centipoints) { return {Family::MsSansSerif, centipoints, 700}; }
constexpr Font plainSans(int centipoints) { return {Family::MsSansSerif, centipoints, 400}; }
constexpr Font demiBookman(int centipoints) { return {Family::BookmanOldStyle, centipoints, 600}; }
constexpr Font boldComic(int centipoints) { return {Family::ComicSansMs, centipoints, 700}; }

// Every scene picture fills the same box at the top right, hidden until its scene.
constexpr ControlRow scene(Control c, Pic picture, int tab) {
    return {.control = c, .kind = Kind::PictureBox, .rect = {7200, 120, 2775, 3495}, .caption = picture, .tab = tab};
}

// A choice waits hidden at its place below the story until the story offers it.
constexpr ControlRow choice(Control c, Twips rect, T caption, Font font, int tab) {
    return {.control = c, .kind = Kind::Button, .rect = rect, .caption = caption, .font = font, .tab = tab};
}

struct Corner {
    int left, top;
};

// A deed of the tally: a small yellow label, hidden until earned, with its hint.
constexpr ControlRow tally(Control c, Corner at, T caption, T hint, int tab) {
    return {.control = c,
            .kind = Kind::Label,
            .rect = {at.left, at.top, 1575, 255},
            .caption = caption,
            .font = boldSans(825),
            .back = Rgb{255, 255, 0},
            .tooltip = hint,
            .tab = tab};
}

// An inventory card: all lie at one place in the frame, hidden until bought, in their own colour.
constexpr ControlRow card(Control c, int width, T caption, Font font, Rgb back, int tab,
                          std::optional<Rgb> fore = std::nullopt) {
    return {.control = c,
            .kind = Kind::Label,
            .in = Container::Frame1,
            .rect = {120, 360, width, 255},
            .caption = caption,
            .font = font,
            .back = back,
            .tab = tab,
            .fore = fore};
}

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
// make the walk depend on the order of the rows. The positions run from 0 to one less than the
// number of rows that have one.
constexpr bool tabPositionsRunFromZero(const std::array<ControlRow, kControlCount>& rows) {
    std::array<int, kControlCount> uses{};
    int count = 0;
    for (const ControlRow& row : rows) count += row.tab == kNoTab ? 0 : 1;
    for (const ControlRow& row : rows) {
        if (row.tab == kNoTab) continue;
        if (row.tab < 0 || row.tab >= count) return false;
        ++uses[static_cast<std::size_t>(row.tab)];
    }
    for (int i = 0; i < count; ++i)
        if (uses[static_cast<std::size_t>(i)] != 1) return false;
    return true;
}

}  // namespace

// Scene pictures, choices, tallies and cards come from their builders above, whose last number is
// the tab position (a card's caption colour may follow it); the one-off controls name their fields.
constexpr std::array<ControlRow, kControlCount> kLayout{{
    scene(Control::Picture1, Pic::PIC_1, 68),
    choice(Control::Dale, {360, 5640, 2175, 735}, T::CaptionJitDal, boldSans(1350), 66),
    choice(Control::Choice1, {360, 4800, 2175, 735}, T::C01, boldSans(1350), 65),
    scene(Control::Vcela, Pic::PIC_2, 64),
    choice(Control::Dal4, {360, 5640, 2175, 735}, T::CaptionDal, boldSans(2400), 63),
    choice(Control::darovat, {360, 4800, 2175, 735}, T::C03, boldSans(975), 61),
    choice(Control::Smula, {360, 4800, 2175, 735}, T::CaptionSmulaNicNemas, boldSans(975), 60),
    choice(Control::Pryc, {360, 4800, 2175, 735}, T::CaptionJdiPryc, boldSans(1350), 58),
    choice(Control::Dat, {360, 5640, 2175, 735}, T::C04, boldSans(975), 57),
    scene(Control::Picture2, Pic::PIC_3, 56),
    scene(Control::Picture3, Pic::PIC_4, 55),
    scene(Control::Autobus, Pic::PIC_5, 52),
    choice(Control::Dal3, {360, 4800, 2175, 735}, T::CaptionDal, boldSans(2400), 51),
    choice(Control::Dal2, {360, 4800, 2175, 735}, T::CaptionDal, boldSans(2400), 50),
    scene(Control::Picture4, Pic::PIC_6, 49),
    scene(Control::Picture5, Pic::PIC_7, 48),
    choice(Control::Jirikov, {360, 6480, 2175, 735}, T::CaptionJetDoJirikova, boldSans(975), 47),
    choice(Control::Rumburk, {360, 5640, 2175, 735}, T::CaptionZustatVRumburku, boldSans(975), 46),
    choice(Control::Slukonv, {360, 4800, 2175, 735}, T::CaptionJetDoSluknova, boldSans(975), 45),
    choice(Control::Buy3, {360, 7320, 2055, 735}, T::C05, boldSans(1350), 38),
    choice(Control::Buy1, {360, 6480, 2055, 735}, T::C06, boldSans(1350), 37),
    choice(Control::Buy2, {360, 5640, 2055, 735}, T::C07, boldSans(1350), 36),
    choice(Control::Buy4, {360, 4800, 2055, 735}, T::C08, boldSans(1350), 35),
    scene(Control::Picture6, Pic::PIC_8, 34),
    scene(Control::Picture7, Pic::PIC_9, 33),
    scene(Control::Picture8, Pic::PIC_10, 32),
    choice(Control::Vyrazit, {360, 4800, 2055, 735}, T::CaptionVyrazitDvere, boldSans(1200), 31),
    choice(Control::Zpet, {360, 4800, 2055, 735}, T::CaptionJitMenitJinam, boldSans(1200), 30),
    {.control = Control::Frame1,
     .kind = Kind::Frame,
     .rect = {8880, 5520, 2895, 3015},
     .visibleAtStart = true,
     .caption = T::CaptionInventar,
     .font = kWindowFont,
     .back = SystemColour::AppWorkspace,
     .tab = 29},
    {.control = Control::Popis,
     .kind = Kind::Label,
     .in = Container::Frame1,
     .rect = {480, 720, 2175, 2055},
     .font = boldSans(975),
     .tab = 43},
    card(Control::Card1, 1695, T::C09, boldSans(825), Rgb{255, 0, 0}, 42),
    card(Control::Card2, 1575, T::C10, boldSans(825), Rgb{64, 64, 0}, 41, kLightCaption),
    card(Control::Card3, 1575, T::C11, boldSans(975), Rgb{0, 0, 192}, 40, kLightCaption),
    card(Control::Card4, 1575, T::C12, boldSans(975), Rgb{0, 128, 0}, 39, kLightCaption),
    scene(Control::Panelak, Pic::PIC_11, 27),
    choice(Control::Visit1, {360, 6480, 2055, 735}, T::C13, boldSans(1200), 26),
    choice(Control::Visit2, {360, 5640, 2055, 735}, T::C14, boldSans(975), 25),
    choice(Control::Visit3, {360, 4800, 2055, 735}, T::C15, plainSans(1350), 24),
    choice(Control::Dal, {360, 5640, 2055, 735}, T::CaptionDal, boldSans(2400), 21),
    choice(Control::Choice2, {360, 6480, 2055, 735}, T::C16, boldSans(1200), 19),
    choice(Control::Choice3, {360, 5640, 2055, 735}, T::C17, boldSans(1725), 18),
    choice(Control::Choice4, {360, 4800, 2055, 735}, T::C18, boldSans(1350), 17),
    scene(Control::Picture9, Pic::PIC_12, 16),
    {.control = Control::Konec,
     .kind = Kind::Button,
     .rect = {10080, 120, 1815, 735},
     .visibleAtStart = true,
     .caption = T::CaptionKonec,
     .font = boldComic(2400),
     .tooltip = T::H01,
     .tab = 15},
    choice(Control::Pokracovat2, {360, 5640, 2055, 735}, T::CaptionPokracovat, demiBookman(1575), 14),
    choice(Control::Choice5, {360, 4800, 2055, 735}, T::C19, demiBookman(2025), 13),
    scene(Control::Picture10, Pic::PIC_13, 11),
    choice(Control::Pokracovat, {360, 5640, 2055, 735}, T::CaptionPokracovat, demiBookman(1575), 10),
    choice(Control::Usmrtit, {360, 6480, 2055, 735}, T::CaptionUsmrtit, demiBookman(2175), 9),
    choice(Control::Choice6, {360, 4800, 2055, 735}, T::C19, demiBookman(2025), 8),
    choice(Control::Prosacovat, {360, 6480, 2055, 735}, T::CaptionProsacovat, demiBookman(1575), 6),
    choice(Control::Choice7, {360, 4800, 2055, 735}, T::C19, demiBookman(2025), 5),
    scene(Control::Domovnik, Pic::PIC_14, 4),
    choice(Control::Jit, {360, 5640, 2055, 735}, T::CaptionJitPryc, demiBookman(2175), 3),
    choice(Control::Zabit, {360, 4800, 2055, 735}, T::CaptionZabit, demiBookman(2175), 2),
    {.control = Control::Vyjit,
     .kind = Kind::Button,
     .rect = {360, 4800, 1935, 735},
     .visibleAtStart = true,
     .caption = T::CaptionVyjit,
     .font = demiBookman(2175),
     .tab = 1},
    tally(Control::Tally1, {5160, 5400}, T::C20, T::H02, 67),
    tally(Control::Tally2, {3360, 7800}, T::C21, T::H03, 62),
    tally(Control::Tally3, {3360, 7800}, T::C22, T::H04, 59),
    tally(Control::Tally4, {3360, 6840}, T::C23, T::H05, 54),
    tally(Control::Tally5, {3360, 7320}, T::C24, T::H06, 53),
    tally(Control::Tally6, {3360, 7320}, T::C25, T::H07, 44),
    {.control = Control::L,
     .kind = Kind::Label,
     .rect = {3360, 4920, 1695, 255},
     .visibleAtStart = true,
     .caption = T::C26,
     .font = boldSans(825),
     .back = Rgb{128, 255, 128},
     .tooltip = T::H08,
     .tab = 28},
    {.control = Control::Shape1, .kind = Kind::Shape, .rect = {3000, 4800, 5535, 3735}, .visibleAtStart = true},
    {.control = Control::penize,
     .kind = Kind::Label,
     .rect = {10320, 4920, 1455, 375},
     .visibleAtStart = true,
     .font = boldSans(1350),
     .tooltip = T::H09,
     .tab = 23},
    {.control = Control::Pen,
     .kind = Kind::Label,
     .rect = {8880, 4920, 1215, 375},
     .visibleAtStart = true,
     .caption = T::CaptionPenize,
     .font = boldSans(1350),
     .tooltip = T::H10,
     .tab = 22},
    tally(Control::Tally7, {3360, 6360}, T::C27, T::H11, 20),
    tally(Control::Tally8, {3360, 5880}, T::C28, T::H12, 12),
    tally(Control::Domovni, {3360, 5400}, T::C29, T::H13, 7),
    {.control = Control::P,
     .kind = Kind::Label,
     .rect = {120, 120, 6615, 4215},
     .visibleAtStart = true,
     .caption = T::T00,
     .font = demiBookman(1200),
     .tab = 0},
}};

static_assert(inWindowOrder(kLayout), "the layout lists the controls in window order");
static_assert(onWholePixels(kLayout), "every place is whole pixels");
static_assert(tabPositionsRunFromZero(kLayout), "the tab positions run from 0, each used once");

}  // namespace tolm::layout
