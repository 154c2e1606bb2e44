// The whole story as data: each handler's steps, in the order they are performed.
#include "engine/story.h"

namespace tolm::engine {
namespace {

using enum Control;
using enum content::Text;
using runtime::kFalse;
using runtime::kTrue;

constexpr Handler kHandlers[] = {
    // Start-up and end.
    {kFormLoad, {emptyPurse(), showPurse()}},
    {click(Konec), {endProgram()}},

    // Opening: the window opens with Vyjít as the only choice.
    {click(Vyjit), {hide(Vyjit), story(T23), show(Zabit, Jit, Domovnik)}},
    {click(Zabit), {story(T28), show(Choice7), hide(Zabit), show(Prosacovat)}},
    {click(Prosacovat), {story(T10), hide(Prosacovat)}},
    {click(Choice7), {story(T31), hide(Choice7), show(Domovni)}},
    {click(Jit),
     {show(Picture10), story(T09), show(Usmrtit, Choice6, Pokracovat),
      hide(Domovnik, Choice7, Zabit, Prosacovat, Jit)}},

    // Second scene.
    {click(Usmrtit), {story(T20), show(Choice5), hide(Usmrtit, Choice6)}},
    {click(Choice5), {story(T33), hide(Choice5), show(Tally8)}},
    {click(Choice6), {hide(Pokracovat), show(Pokracovat2), hide(Choice6), show(Tally8), hide(Usmrtit), story(T32)}},
    {click(Pokracovat2), {hide(Picture10, Pokracovat2), story(T15)}},
    {click(Pokracovat),
     {story(T14), hide(Pokracovat, Pokracovat2, Picture10), show(Picture9, Choice3, Choice4, Choice2)}},
    {click(Choice2), {story(T29), hide(Choice4, Choice2, Choice3, Picture9)}},
    {click(Choice3), {story(T25), show(Dal), hide(Choice4, Choice2, Choice3), show(Tally7), hide(Picture9)}},
    {click(Choice4), {story(T13), show(Dal), hide(Choice4, Choice2, Choice3), show(Tally7), hide(Picture9)}},

    // Town.
    {click(Dal), {story(T02), hide(Dal), show(Visit3, Visit1, Visit2, Panelak), purse(+10000), showPurse()}},
    {click(Visit1), {story(T01), hide(Visit2, Visit1, Visit3, Panelak), show(Picture8, Zpet, Vyrazit)}},
    {click(Vyrazit), {show(Tally6), story(T26), hide(Vyrazit, Zpet), show(Picture7), hide(Picture8)}},
    {click(Zpet), {story(T34), hide(Zpet, Vyrazit), show(Visit2, Visit3), hide(Picture8), show(Panelak)}},
    {click(Visit3), {story(T12), purse(+400), showPurse(), hide(Visit3, Visit1, Visit2), show(Dal2, Picture4, Tally4)}},
    {click(Dal2), {story(T03), show(Panelak, Visit2, Visit1), hide(Picture4, Dal2)}},
    {click(Visit2), {story(T22), show(Panelak), hide(Visit1, Visit3, Visit2), show(Picture6, Buy4, Buy2, Buy1, Buy3)}},
    {click(Buy1),
     {show(Tally5), story(T17), hide(Buy4, Buy3, Buy1, Buy2), show(Card1), purse(-7000), showPurse(), hide(Picture6),
      show(Picture5, Rumburk, Jirikov, Slukonv)}},
    {click(Buy2),
     {story(T08), hide(Buy4, Buy3, Buy1, Buy2), show(Card2), purse(-10000), showPurse(), hide(Picture6),
      show(Picture5, Rumburk, Jirikov, Slukonv, Tally5)}},
    {click(Buy3),
     {story(T27), hide(Buy4, Buy3, Buy1, Buy2), show(Card3), purse(-4000), showPurse(), hide(Picture6),
      show(Picture5, Rumburk, Jirikov, Slukonv, Tally5)}},
    {click(Buy4),
     {show(Tally5), story(T21), hide(Buy4, Buy3, Buy1, Buy2), show(Card4), purse(-5000), showPurse(), hide(Picture6),
      show(Picture5, Rumburk, Jirikov, Slukonv)}},

    // Trip: the fare to Šluknov is paid from what the purse shows.
    {click(Slukonv),
     {when(purseIs(0), story(T11)), chained(purseAbove(0), story(T19)), chained(purseAbove(0), fare()),
      chained(purseAbove(0), hide(Slukonv)), chained(purseAbove(0), hide(Rumburk)),
      chained(purseAbove(0), hide(Jirikov)), chained(purseAbove(0), show(Dal3)), chained(purseAbove(0), show(Autobus)),
      when(purseIs(0), hide(Picture5)), showPurse()}},
    {click(Dal3), {story(T04), hide(Dal3), show(Picture3, Pryc), when(visibleIs(Card3, kTrue), show(Dat))}},
    {click(Pryc),
     {story(T16), hide(Pryc, Picture3), show(Picture2), when(visibleIs(Card1, kFalse), show(Smula)),
      when(visibleIs(Card1, kTrue), show(darovat))}},
    {click(Smula), {hide(Smula), story(T18)}},
    {click(Dat), {story(T07), hide(Card3, Dat, Pryc), show(Dal4, Tally3)}},
    {click(darovat), {story(T06), hide(darovat, Card1), show(Tally2, Dal4)}},
    {click(Dal4), {show(Vcela), hide(Dal4), story(T05), show(Choice1, Dale)}},
    {click(Dale), {hide(Choice1, Dale), show(Picture1)}},
    // The paid choice costs a thousand, and only a purse above a thousand pays it.
    {click(Choice1),
     {when(purseAbove(1000), purse(-1000)), chained(purseAbove(1000), hide(Choice1)),
      chained(purseAbove(1000), hide(Dale)), chained(purseAbove(1000), story(T30)),
      chained(purseAbove(1000), show(Tally1)), showPurse(), when(purseBelow(1000), story(T24))}},

    // Card descriptions: pointing at an owned card explains it; the bare window clears it.
    {mouseMove(Card1), {show(Popis), describe(D1)}},
    {mouseMove(Card2), {show(Popis), describe(D2)}},
    {mouseMove(Card3), {show(Popis), describe(D3)}},
    {mouseMove(Card4), {show(Popis), describe(D4)}},
    {kFormMouseMove, {hide(Popis), describe(E0)}},
};

}  // namespace

std::span<const Handler> handlers() { return kHandlers; }

}  // namespace tolm::engine
