// Where the focus goes, on both front-ends: after a choice, with the arrows, and at the start.
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>

#include "engine/story.h"
#include "layout/focus.h"
#include "layout/layout.h"

namespace tolm::layout {
namespace {

using enum Control;

Shown shownOf(std::initializer_list<Control> controls) {
    Shown s;
    for (Control c : controls) s.set(indexOf(c));
    return s;
}

struct AfterEvent {
    const char* what;
    std::optional<Control> focused;
    std::optional<Control> pressed;  // none for an event that is no choice
    std::initializer_list<Control> shown;
    std::optional<Control> expected;
};

TEST(Focus, AfterAChoiceGoesOnToTheNextChoiceShownAndToKonecOnlyWhenNoneIsLeft) {
    const AfterEvent cases[] = {
        {"the next choice in tab order", Vyjit, Vyjit, {Zabit, Jit, Pokracovat, Konec}, Zabit},
        {"round the chain, past Konec", Choice5, Choice5, {Vyjit, Konec}, Vyjit},
        {"Konec when no choice is left", Vyjit, Vyjit, {Konec}, Konec},
        {"nothing when nothing is shown", Vyjit, Vyjit, {}, std::nullopt},
        {"stays where it is while its button is shown", Vyjit, Vyjit, {Vyjit, Zabit, Konec}, std::nullopt},
        {"stays on Konec", Konec, Vyjit, {Vyjit, Konec}, std::nullopt},
        // On the town square Zabít and Chi, chi! lie behind the choices shown at their places.
        {"past covered choices", Vyjit, Vyjit, {Zabit, Jit, Choice6, Usmrtit, Pokracovat, Konec}, Choice6},
        {"the front one of two at a place", Visit3, Visit3, {Zpet, Vyrazit, Konec}, Vyrazit},
        {"nothing had the focus", std::nullopt, Vyjit, {Vyjit, Konec}, std::nullopt},
        // A screen reader presses without moving the focus: Chi, chi! keeps it into the town, where
        // Vyrazit covers it, and would be drawn in front of Vyrazit.
        {"a leftover the choice covered hands it on", Choice6, Visit1, {Choice6, Zpet, Vyrazit, Konec}, Vyrazit},
        {"a leftover still in front keeps it", Vyrazit, Visit1, {Zpet, Vyrazit, Konec}, std::nullopt},
        {"the covered button pressed keeps it", Zpet, Zpet, {Zpet, Vyrazit, Konec}, std::nullopt},
        {"one reached by Tab keeps it past a pointer move", Zpet, std::nullopt, {Zpet, Vyrazit, Konec}, std::nullopt},
    };
    for (const AfterEvent& c : cases)
        EXPECT_EQ(focusAfterEvent(c.focused, c.pressed, shownOf(c.shown)), c.expected) << c.what;
}

TEST(Focus, AChoiceIsInFrontWhereNoShownControlBeforeItInWindowOrderLiesOverIt) {
    const Shown square = shownOf({Choice6, Usmrtit, Pokracovat, Zabit, Jit, Konec, Shape1, L, P});
    for (const Control c : {Choice6, Usmrtit, Pokracovat, Konec, L, P})
        EXPECT_TRUE(inFront(c, square)) << controlName(c);
    for (const Control c : {Zabit, Jit}) EXPECT_FALSE(inFront(c, square)) << controlName(c);
    EXPECT_TRUE(inFront(Zabit, shownOf({Zabit, Jit, Konec}))) << "nothing before it is shown";
    EXPECT_FALSE(inFront(Zpet, shownOf({Zpet, Vyrazit}))) << "Vyrazit covers Zpět completely";
    EXPECT_TRUE(inFront(Tally6, shownOf({Shape1, Tally6}))) << "the outline is drawn, not filled";
}

TEST(Focus, StartsOnTheFirstChoiceAndOnKonecOnlyWithoutOne) {
    EXPECT_EQ(firstFocus(shownOf({P, Vyjit, Konec})), Vyjit);
    EXPECT_EQ(firstFocus(shownOf({Konec, Visit3, Dal})), Dal) << "Dál comes first in tab order";
    EXPECT_EQ(firstFocus(shownOf({Konec})), Konec);
}

struct ArrowCase {
    Control from;
    Arrow arrow;
    std::initializer_list<Control> shown;
    Control expected;
};

TEST(Focus, ArrowsWalkTheTabChainRoundItOverEveryShownButtonKonecIncluded) {
    const ArrowCase cases[] = {
        {Vyjit, Arrow::Down, {Vyjit, Zabit, Konec}, Zabit},
        {Vyjit, Arrow::Right, {Vyjit, Jit, Konec}, Jit},
        {Jit, Arrow::Down, {Vyjit, Jit, Konec}, Konec},
        {Konec, Arrow::Down, {Vyjit, Jit, Konec}, Vyjit},
        {Vyjit, Arrow::Up, {Vyjit, Jit, Konec}, Konec},
        {Konec, Arrow::Left, {Vyjit, Jit, Konec}, Jit},
        // A covered button is reached as by Tab: Zpět lies under Vyrazit, one tab position before it.
        {Visit1, Arrow::Down, {Zpet, Vyrazit, Visit1, Konec}, Zpet},
        {Zpet, Arrow::Down, {Zpet, Vyrazit, Visit1, Konec}, Vyrazit},
    };
    for (const ArrowCase& c : cases)
        EXPECT_EQ(afterArrow(c.from, c.arrow, shownOf(c.shown)), c.expected)
            << controlName(c.from) << " arrow " << static_cast<int>(c.arrow);
    EXPECT_EQ(afterArrow(Vyjit, Arrow::Down, shownOf({Vyjit})), Vyjit) << "alone, it keeps the focus";
}

TEST(Focus, TheChainHoldsEveryButtonInRisingTabPositionAndTheReadingOrderEveryControl) {
    ASSERT_EQ(tabChain().size(), 36u);
    for (std::size_t i = 1; i < tabChain().size(); ++i)
        EXPECT_LT(rowOf(tabChain()[i - 1]).tab, rowOf(tabChain()[i]).tab);
    for (Control c : tabChain()) EXPECT_EQ(rowOf(c).kind, Kind::Button);

    ASSERT_EQ(readingOrder().size(), kControlCount);
    EXPECT_EQ(readingOrder().front(), P);
    EXPECT_EQ(readingOrder().back(), Shape1) << "the shape has no tab position";
    Shown seen;
    for (Control c : readingOrder()) seen.set(indexOf(c));
    EXPECT_TRUE(seen.all());
}

TEST(Announced, AreTheLabelsTheStoryRewritesWhileItPlays) {
    Shown announced;
    for (std::size_t i = 0; i < kControlCount; ++i) announced[i] = engine::captionChangesInPlay(controlAt(i));
    EXPECT_EQ(announced, shownOf({P, penize, Popis}));
}

}  // namespace
}  // namespace tolm::layout
