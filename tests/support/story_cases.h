// The choices whose outcome a plain reading of their row does not give, and whole games to every ending.
#pragma once

#include <algorithm>
#include <iterator>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "content/text.h"
#include "layout/layout.h"
#include "runtime/control.h"

namespace tolm::testing {

inline std::string textOf(content::Text key) { return std::string(content::text(key)); }

inline std::set<Control> setOf(const std::vector<Control>& v) { return {v.begin(), v.end()}; }

// The controls in a and not in b: what a choice showed (after minus before) or hid.
inline std::set<Control> minus(const std::set<Control>& a, const std::set<Control>& b) {
    std::set<Control> out;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::inserter(out, out.end()));
    return out;
}

// The buttons among the visible controls.
inline std::set<Control> buttonsOf(const std::set<Control>& shown) {
    std::set<Control> buttons;
    for (Control c : shown)
        if (layout::rowOf(c).kind == layout::Kind::Button) buttons.insert(c);
    return buttons;
}

struct ChoiceCase {
    const char* name;
    std::vector<Control> path;  // the choices made from the start, in order
    Control choice;
    std::optional<content::Text> story;  // nothing: the story text stays
    std::vector<Control> shown;          // exactly the controls the choice turns visible
    std::vector<Control> hidden;         // exactly the controls it turns invisible
    int purse;
};

inline void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }

namespace paths {
using enum Control;
inline const std::vector<Control> kSecondScene{Vyjit, Jit};
inline const std::vector<Control> kTown{Vyjit, Jit, Pokracovat, Choice4, Dal};
inline const std::vector<Control> kShop{Vyjit, Jit, Pokracovat, Choice4, Dal, Visit2};

inline std::vector<Control> then(std::vector<Control> path, std::initializer_list<Control> more) {
    path.insert(path.end(), more);
    return path;
}
}  // namespace paths

// Only the choices whose outcome depends on a test or on what came before: a guarded step, a
// button shown or hidden twice, a choice made in a later part than its own. The others do what
// their row says, which the playthroughs and the explorer's rules check on the real story.
inline std::vector<ChoiceCase> choiceCases() {
    using enum Control;
    using enum content::Text;
    using namespace paths;
    return {
        {"Jít",
         {Vyjit, Zabit},
         Jit,
         T09,
         {Picture10, Usmrtit, Choice6, Pokracovat},
         {Domovnik, Choice7, Prosacovat, Jit},
         0},
        {"Pokračovat",
         kSecondScene,
         Pokracovat,
         T14,
         {Picture9, Choice3, Choice4, Choice2},
         {Pokracovat, Picture10},
         0},
        {"Dál2", then(kTown, {Visit3}), Dal2, T03, {Visit2, Visit1}, {Picture4, Dal2}, 10400},
        {"Visit2", kTown, Visit2, T22, {Picture6, Buy4, Buy2, Buy1, Buy3}, {Visit1, Visit3, Visit2}, 10000},
        {"Jiříkov does nothing", then(kShop, {Buy1}), Jirikov, std::nullopt, {}, {}, 3000},
        {"Rumburk does nothing", then(kShop, {Buy1}), Rumburk, std::nullopt, {}, {}, 3000},
        {"Šlukonv paid", then(kShop, {Buy1}), Slukonv, T19, {Dal3, Autobus}, {Slukonv, Rumburk, Jirikov}, 2992},
        {"Šlukonv penniless", then(kShop, {Buy2}), Slukonv, T11, {}, {Picture5}, 0},
        {"Šlukonv penniless again", then(kShop, {Buy2, Slukonv}), Slukonv, T11, {}, {}, 0},
        {"Dál3 with Card1", then(kShop, {Buy1, Slukonv}), Dal3, T04, {Picture3, Pryc}, {Dal3}, 2992},
        {"Dál3 with Card3", then(kShop, {Buy3, Slukonv}), Dal3, T04, {Picture3, Pryc, Dat}, {Dal3}, 5992},
        {"Pryč with Card1", then(kShop, {Buy1, Slukonv, Dal3}), Pryc, T16, {Picture2, darovat}, {Pryc, Picture3}, 2992},
        {"Pryč with Card4", then(kShop, {Buy4, Slukonv, Dal3}), Pryc, T16, {Picture2, Smula}, {Pryc, Picture3}, 4992},
        {"Pryč with Card3", then(kShop, {Buy3, Slukonv, Dal3}), Pryc, T16, {Picture2, Smula}, {Pryc, Picture3}, 5992},
        {"Dát after Pryč", then(kShop, {Buy3, Slukonv, Dal3, Pryc}), Dat, T07, {Dal4, Tally3}, {Card3, Dat}, 5992},
        {"Choice1",
         then(kShop, {Buy1, Slukonv, Dal3, Pryc, darovat, Dal4}),
         Choice1,
         T30,
         {Tally1},
         {Choice1, Dale},
         1992},
        {"Usmrtit in the town",
         then(kSecondScene, {Pokracovat, Choice4, Dal}),
         Usmrtit,
         T20,
         {Choice5},
         {Usmrtit, Choice6},
         10000},
        {"Choice6 on the trip",
         then(kSecondScene, {Pokracovat, Choice4, Dal, Visit2, Buy1, Slukonv}),
         Choice6,
         T32,
         {Pokracovat2, Tally8},
         {Choice6, Usmrtit},
         2992},
        {"Pokračovat2 in the shop",
         then(kSecondScene, {Pokracovat, Choice6, Choice4, Dal, Visit2}),
         Pokracovat2,
         T15,
         {},
         {Pokracovat2},
         10000},
        {"Choice5 on the trip",
         then(kSecondScene, {Usmrtit, Pokracovat, Choice3, Dal, Visit2, Buy3, Slukonv}),
         Choice5,
         T33,
         {Tally8},
         {Choice5},
         5992},

    };
}

// A whole game to one of its endings, with what the purse shows after every choice.
struct Playthrough {
    const char* ending;
    std::vector<std::pair<Control, const char*>> steps;
    std::optional<content::Text> lastStory;
    std::vector<Control> buttonsLeft;  // the visible buttons when the game is over
};

inline void PrintTo(const Playthrough& p, std::ostream* os) { *os << "ending " << p.ending; }

inline std::vector<Playthrough> playthroughs() {
    using enum Control;
    using enum content::Text;
    // The opening and second scene, leaving no button of theirs behind.
    const std::vector<std::pair<Control, const char*>> toTown{
        {Vyjit, "0"}, {Jit, "0"}, {Usmrtit, "0"}, {Choice5, "0"}, {Pokracovat, "0"}, {Choice4, "0"}, {Dal, "10000"}};
    auto town = [&](std::initializer_list<std::pair<Control, const char*>> more) {
        auto steps = toTown;
        steps.insert(steps.end(), more);
        return steps;
    };
    return {
        {"Choice2",
         {{Vyjit, "0"}, {Jit, "0"}, {Usmrtit, "0"}, {Choice5, "0"}, {Pokracovat, "0"}, {Choice2, "0"}},
         T29,
         {Konec}},
        {"Choice5",
         {{Vyjit, "0"}, {Jit, "0"}, {Usmrtit, "0"}, {Pokracovat, "0"}, {Choice2, "0"}, {Choice5, "0"}},
         T33,
         {Konec}},
        {"Pokračovat2",
         {{Vyjit, "0"}, {Jit, "0"}, {Pokracovat, "0"}, {Choice6, "0"}, {Choice2, "0"}, {Pokracovat2, "0"}},
         T15,
         {Konec}},
        {"Vyrazit", town({{Visit1, "10000"}, {Vyrazit, "10000"}}), T26, {Konec}},
        {"Vyrazit after the loop",
         town({{Visit3, "10400"}, {Dal2, "10400"}, {Visit1, "10400"}, {Vyrazit, "10400"}}),
         T26,
         {Konec}},
        {"Smůla",
         town({{Visit2, "10000"}, {Buy4, "5000"}, {Slukonv, "4992"}, {Dal3, "4992"}, {Pryc, "4992"}, {Smula, "4992"}}),
         T18,
         {Konec}},
        {"Smůla with Card2",
         town({{Visit3, "10400"},
               {Dal2, "10400"},
               {Visit2, "10400"},
               {Buy2, "400"},
               {Slukonv, "392"},
               {Dal3, "392"},
               {Pryc, "392"},
               {Smula, "392"}}),
         T18,
         {Konec}},
        {"Dále",
         town({{Visit2, "10000"},
               {Buy1, "3000"},
               {Slukonv, "2992"},
               {Dal3, "2992"},
               {Pryc, "2992"},
               {darovat, "2992"},
               {Dal4, "2992"},
               {Dale, "2992"}}),
         T05,
         {Konec}},
        {"Choice1",
         town({{Visit2, "10000"},
               {Buy1, "3000"},
               {Slukonv, "2992"},
               {Dal3, "2992"},
               {Pryc, "2992"},
               {darovat, "2992"},
               {Dal4, "2992"},
               {Choice1, "1992"}}),
         T30,
         {Konec}},
        {"Choice1 with Card3",
         town({{Visit2, "10000"},
               {Buy3, "6000"},
               {Slukonv, "5992"},
               {Dal3, "5992"},
               {Dat, "5992"},
               {Dal4, "5992"},
               {Choice1, "4992"}}),
         T30,
         {Konec}},
        {"Šlukonv without money",
         town({{Visit2, "10000"}, {Buy2, "0"}, {Slukonv, "0"}, {Slukonv, "0"}}),
         T11,
         {Rumburk, Jirikov, Slukonv, Konec}},
    };
}

}  // namespace tolm::testing
