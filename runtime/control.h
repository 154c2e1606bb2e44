// The 70 controls of the window, in window order, each with its exact name.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tolm {

// Window order is also the stacking order, front first. Names drop the accents
// (Dál -> Dal, Šlukonv -> Slukonv); controlName() gives the exact one.
enum class Control : std::uint8_t {
    Picture1,
    Dale,
    Choice1,
    Vcela,
    Dal4,
    darovat,
    Smula,
    Pryc,
    Dat,
    Picture2,
    Picture3,
    Autobus,
    Dal3,
    Dal2,
    Picture4,
    Picture5,
    Jirikov,
    Rumburk,
    Slukonv,
    Buy3,
    Buy1,
    Buy2,
    Buy4,
    Picture6,
    Picture7,
    Picture8,
    Vyrazit,
    Zpet,
    Frame1,
    Popis,
    Card1,
    Card2,
    Card3,
    Card4,
    Panelak,
    Visit1,
    Visit2,
    Visit3,
    Dal,
    Choice2,
    Choice3,
    Choice4,
    Picture9,
    Konec,
    Pokracovat2,
    Choice5,
    Picture10,
    Pokracovat,
    Usmrtit,
    Choice6,
    Prosacovat,
    Choice7,
    Domovnik,
    Jit,
    Zabit,
    Vyjit,
    Tally1,
    Tally2,
    Tally3,
    Tally4,
    Tally5,
    Tally6,
    L,
    Shape1,
    penize,
    Pen,
    Tally7,
    Tally8,
    Domovni,
    P,
};

inline constexpr std::size_t kControlCount = 70;

inline constexpr std::array<std::string_view, kControlCount> kControlNames{
    "Picture1", "Dále",      "Choice1",    "Včela",   "Dál4",    "darovat",    "Smůla",    "Pryč",     "Dát",
    "Picture2", "Picture3",  "Autobus",    "Dál3",    "Dál2",    "Picture4",   "Picture5", "Jiříkov",  "Rumburk",
    "Šlukonv",  "Buy3",      "Buy1",       "Buy2",    "Buy4",    "Picture6",   "Picture7", "Picture8", "Vyrazit",
    "Zpět",     "Frame1",    "Popis",      "Card1",   "Card2",   "Card3",      "Card4",    "Panelák",  "Visit1",
    "Visit2",   "Visit3",    "Dál",        "Choice2", "Choice3", "Choice4",    "Picture9", "Konec",    "Pokračovat2",
    "Choice5",  "Picture10", "Pokračovat", "Usmrtit", "Choice6", "Prošacovat", "Choice7",  "Domovník", "Jít",
    "Zabít",    "Vyjít",     "Tally1",     "Tally2",  "Tally3",  "Tally4",     "Tally5",   "Tally6",   "L",
    "Shape1",   "peníze",    "Pen",        "Tally7",  "Tally8",  "Domovní",    "P",
};

static_assert(static_cast<std::size_t>(Control::P) + 1 == kControlCount);

constexpr std::size_t indexOf(Control c) { return static_cast<std::size_t>(c); }
constexpr Control controlAt(std::size_t i) { return static_cast<Control>(i); }
constexpr std::string_view controlName(Control c) { return kControlNames[indexOf(c)]; }

}  // namespace tolm
