// What every choice does from a state that play reaches: one row per handler and path.
#pragma once

#include <algorithm>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <ostream>
#include <vector>

#include "content/text.h"
#include "runtime/control.h"
#include "layout/layout.h"

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
inline const std::vector<Control> kChoices{Vyjit, Jit, Pokracovat};
inline const std::vector<Control> kTown{Vyjit, Jit, Pokracovat, Choice4, Dal};
inline const std::vector<Control> kShop{Vyjit, Jit, Pokracovat, Choice4, Dal, Visit2};

inline std::vector<Control> then(std::vector<Control> path, std::initializer_list<Control> more) {
    path.insert(path.end(), more);
    return path;
}
}  // namespace paths

inline std::vector<ChoiceCase> choiceCases() {
    using enum Control;
    using enum content::Text;
    using namespace paths;
    return {
        {"Vyjít", {}, Vyjit, T23, {Zabit, Jit, Domovnik}, {Vyjit}, 0},
        {"Zabít", {Vyjit}, Zabit, T28, {Choice7, Prosacovat}, {Zabit}, 0},
        {"Prošacovat", {Vyjit, Zabit}, Prosacovat, T10, {}, {Prosacovat}, 0},
        {"Choice7", {Vyjit, Zabit}, Choice7, T31, {Domovni}, {Choice7}, 0},
        {"Jít", {Vyjit, Zabit}, Jit, T09, {Picture10, Usmrtit, Choice6, Pokracovat},
         {Domovnik, Choice7, Prosacovat, Jit}, 0},
        {"Usmrtit", kSecondScene, Usmrtit, T20, {Choice5}, {Usmrtit, Choice6}, 0},
        {"Choice5", then(kSecondScene, {Usmrtit}), Choice5, T33, {Tally8}, {Choice5}, 0},
        {"Choice6", kSecondScene, Choice6, T32, {Pokracovat2, Tally8}, {Pokracovat, Choice6, Usmrtit}, 0},
        {"Pokračovat2", then(kSecondScene, {Choice6}), Pokracovat2, T15, {}, {Picture10, Pokracovat2}, 0},
        {"Pokračovat", kSecondScene, Pokracovat, T14, {Picture9, Choice3, Choice4, Choice2}, {Pokracovat, Picture10}, 0},
        {"Choice2", kChoices, Choice2, T29, {}, {Choice4, Choice2, Choice3, Picture9}, 0},
        {"Choice3", kChoices, Choice3, T25, {Dal, Tally7}, {Choice4, Choice2, Choice3, Picture9}, 0},
        {"Choice4", kChoices, Choice4, T13, {Dal, Tally7}, {Choice4, Choice2, Choice3, Picture9}, 0},
        {"Dál", then(kChoices, {Choice3}), Dal, T02, {Visit3, Visit1, Visit2, Panelak}, {Dal}, 10000},
        {"Visit1", kTown, Visit1, T01, {Picture8, Zpet, Vyrazit}, {Visit1, Visit2, Visit3, Panelak}, 10000},
        {"Vyrazit", then(kTown, {Visit1}), Vyrazit, T26, {Tally6, Picture7}, {Vyrazit, Zpet, Picture8}, 10000},
        {"Zpět", then(kTown, {Visit1}), Zpet, T34, {Visit2, Visit3, Panelak}, {Zpet, Vyrazit, Picture8}, 10000},
        {"Visit3", kTown, Visit3, T12, {Dal2, Picture4, Tally4}, {Visit3, Visit1, Visit2}, 10400},
        {"Dál2", then(kTown, {Visit3}), Dal2, T03, {Visit2, Visit1}, {Picture4, Dal2}, 10400},
        {"Visit2", kTown, Visit2, T22, {Picture6, Buy4, Buy2, Buy1, Buy3}, {Visit1, Visit3, Visit2}, 10000},
        {"Buy1", kShop, Buy1, T17, {Tally5, Card1, Picture5, Rumburk, Jirikov, Slukonv},
         {Buy1, Buy2, Buy3, Buy4, Picture6}, 3000},
        {"Buy2", kShop, Buy2, T08, {Tally5, Card2, Picture5, Rumburk, Jirikov, Slukonv},
         {Buy1, Buy2, Buy3, Buy4, Picture6}, 0},
        {"Buy3", kShop, Buy3, T27, {Tally5, Card3, Picture5, Rumburk, Jirikov, Slukonv},
         {Buy1, Buy2, Buy3, Buy4, Picture6}, 6000},
        {"Buy4", kShop, Buy4, T21, {Tally5, Card4, Picture5, Rumburk, Jirikov, Slukonv},
         {Buy1, Buy2, Buy3, Buy4, Picture6}, 5000},
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
        {"Smůla after Pryč", then(kShop, {Buy4, Slukonv, Dal3, Pryc}), Smula, T18, {}, {Smula}, 4992},
        {"Dát", then(kShop, {Buy3, Slukonv, Dal3}), Dat, T07, {Dal4, Tally3}, {Card3, Dat, Pryc}, 5992},
        {"Dát after Pryč", then(kShop, {Buy3, Slukonv, Dal3, Pryc}), Dat, T07, {Dal4, Tally3}, {Card3, Dat}, 5992},
        {"darovat", then(kShop, {Buy1, Slukonv, Dal3, Pryc}), darovat, T06, {Tally2, Dal4}, {darovat, Card1}, 2992},
        {"Dál4", then(kShop, {Buy1, Slukonv, Dal3, Pryc, darovat}), Dal4, T05, {Vcela, Choice1, Dale}, {Dal4}, 2992},
        {"Dále", then(kShop, {Buy1, Slukonv, Dal3, Pryc, darovat, Dal4}), Dale, std::nullopt, {Picture1},
         {Choice1, Dale}, 2992},
        {"Choice1", then(kShop, {Buy1, Slukonv, Dal3, Pryc, darovat, Dal4}), Choice1, T30, {Tally1}, {Choice1, Dale},
         1992},
        {"Usmrtit in the town", then(kSecondScene, {Pokracovat, Choice4, Dal}), Usmrtit, T20, {Choice5},
         {Usmrtit, Choice6}, 10000},
        {"Choice6 on the trip", then(kSecondScene, {Pokracovat, Choice4, Dal, Visit2, Buy1, Slukonv}), Choice6, T32,
         {Pokracovat2, Tally8}, {Choice6, Usmrtit}, 2992},
        {"Pokračovat2 in the shop", then(kSecondScene, {Pokracovat, Choice6, Choice4, Dal, Visit2}), Pokracovat2, T15,
         {}, {Pokracovat2}, 10000},
        {"Choice5 on the trip", then(kSecondScene, {Usmrtit, Pokracovat, Choice3, Dal, Visit2, Buy3, Slukonv}),
         Choice5, T33, {Tally8}, {Choice5}, 5992},
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
        {"Choice2", {{Vyjit, "0"}, {Jit, "0"}, {Usmrtit, "0"}, {Choice5, "0"}, {Pokracovat, "0"}, {Choice2, "0"}},
         T29, {Konec}},
        {"Choice5", {{Vyjit, "0"}, {Jit, "0"}, {Usmrtit, "0"}, {Pokracovat, "0"}, {Choice2, "0"}, {Choice5, "0"}},
         T33, {Konec}},
        {"Pokračovat2", {{Vyjit, "0"}, {Jit, "0"}, {Pokracovat, "0"}, {Choice6, "0"}, {Choice2, "0"}, {Pokracovat2, "0"}},
         T15, {Konec}},
        {"Vyrazit", town({{Visit1, "10000"}, {Vyrazit, "10000"}}), T26, {Konec}},
        {"Vyrazit after the loop", town({{Visit3, "10400"}, {Dal2, "10400"}, {Visit1, "10400"}, {Vyrazit, "10400"}}),
         T26, {Konec}},
        {"Smůla", town({{Visit2, "10000"}, {Buy4, "5000"}, {Slukonv, "4992"}, {Dal3, "4992"}, {Pryc, "4992"},
                        {Smula, "4992"}}),
         T18, {Konec}},
        {"Smůla with Card2", town({{Visit3, "10400"}, {Dal2, "10400"}, {Visit2, "10400"}, {Buy2, "400"},
                                   {Slukonv, "392"}, {Dal3, "392"}, {Pryc, "392"}, {Smula, "392"}}),
         T18, {Konec}},
        {"Dále", town({{Visit2, "10000"}, {Buy1, "3000"}, {Slukonv, "2992"}, {Dal3, "2992"}, {Pryc, "2992"},
                       {darovat, "2992"}, {Dal4, "2992"}, {Dale, "2992"}}),
         T05, {Konec}},
        {"Choice1", town({{Visit2, "10000"}, {Buy1, "3000"}, {Slukonv, "2992"}, {Dal3, "2992"}, {Pryc, "2992"},
                          {darovat, "2992"}, {Dal4, "2992"}, {Choice1, "1992"}}),
         T30, {Konec}},
        {"Choice1 with Card3", town({{Visit2, "10000"}, {Buy3, "6000"}, {Slukonv, "5992"}, {Dal3, "5992"},
                                     {Dat, "5992"}, {Dal4, "5992"}, {Choice1, "4992"}}),
         T30, {Konec}},
        {"Šlukonv without money", town({{Visit2, "10000"}, {Buy2, "0"}, {Slukonv, "0"}, {Slukonv, "0"}}), T11,
         {Rumburk, Jirikov, Slukonv, Konec}},
    };
}

}  // namespace tolm::testing
