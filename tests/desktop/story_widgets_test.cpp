// The story played on the real widgets: mouse where a player can click, keyboard elsewhere.
#include <gtest/gtest.h>

#include "tests/support/story_cases.h"
#include "tests/support/widget_driver.h"

namespace tolm::testing {
namespace {

using content::Text;
using enum Control;

// Every case in one process: a window per case costs little, a process per case most of a second.
TEST(EveryChoiceOnScreen, ChangesExactlyWhatItsStepsSay) {
    for (const ChoiceCase& c : choiceCases()) {
        SCOPED_TRACE(c.name);
        WidgetDriver game;
        game.play(c.path);
        const auto before = game.visibleControls();
        const std::string storyBefore = game.caption(P);

        game.choose(c.choice);

        EXPECT_EQ(game.caption(P), c.story ? textOf(*c.story) : storyBefore);
        EXPECT_EQ(minus(game.visibleControls(), before), setOf(c.shown));
        EXPECT_EQ(minus(before, game.visibleControls()), setOf(c.hidden));
        EXPECT_EQ(game.caption(penize), std::to_string(c.purse));
        EXPECT_TRUE(game.reporter().errors.empty());
    }
}

// Every game in one process, as above.
TEST(PlaythroughsOnScreen, ReachTheEndingWithThePurseShownAtEveryStep) {
    for (const Playthrough& p : playthroughs()) {
        SCOPED_TRACE(std::string("ending ") + p.ending);
        WidgetDriver game;
        for (const auto& [choice, purse] : p.steps) {
            SCOPED_TRACE(std::string(controlName(choice)));
            game.choose(choice);
            EXPECT_EQ(game.caption(penize), purse);
        }
        EXPECT_EQ(game.caption(P), textOf(*p.lastStory));
        EXPECT_EQ(buttonsOf(game.visibleControls()), setOf(p.buttonsLeft));
    }
}

// Buttons of the second scene stay where no later step hides them: behind the newer ones.
TEST(OutlivingButtons, AreCoveredForTheMouseAndWorkFromTheKeyboard) {
    struct Case {
        std::vector<Control> path;
        Control survivor;
        Text story;
    };
    const Case cases[] = {
        {{Vyjit, Jit, Pokracovat, Choice4, Dal}, Usmrtit, Text::T20},
        {{Vyjit, Jit, Pokracovat, Choice4, Dal, Visit2, Buy1, Slukonv}, Choice6, Text::T32},
        {{Vyjit, Jit, Usmrtit, Pokracovat, Choice3, Dal, Visit1}, Choice5, Text::T33},
        {{Vyjit, Jit, Pokracovat, Choice6, Choice4, Dal, Visit2, Buy3, Slukonv, Dal3}, Pokracovat2, Text::T15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(controlName(c.survivor)));
        WidgetDriver game;
        game.play(c.path);
        ASSERT_TRUE(game.visible(c.survivor));
        EXPECT_FALSE(game.reachableByMouse(c.survivor));
        const std::string storyBefore = game.caption(P);
        game.click(c.survivor);  // lands on the button in front
        EXPECT_NE(game.caption(P), textOf(c.story));
        EXPECT_NE(game.caption(P), storyBefore);

        WidgetDriver again;
        again.play(c.path);
        again.activateByKeyboard(c.survivor);
        EXPECT_EQ(again.caption(P), textOf(c.story));
    }
}

TEST(TheLoop, NeedsTheKeyboardForZpetAndSaturatesAtTheTop) {
    WidgetDriver game;
    game.play(paths::kTown);
    game.choose(Visit3);
    game.choose(Dal2);
    game.choose(Visit1);
    EXPECT_FALSE(game.reachableByMouse(Zpet));  // Vyrazit covers it exactly
    for (int visits = 1; visits < 58; ++visits) {
        game.activateByKeyboard(Zpet);
        game.activateByKeyboard(Visit3);
        if (visits + 1 == 56) {
            EXPECT_EQ(game.caption(penize), "32400");
        }
        if (visits + 1 == 57) {
            EXPECT_EQ(game.caption(penize), "32767");
        }
        game.activateByKeyboard(Dal2);
        game.activateByKeyboard(Visit1);
    }
    game.activateByKeyboard(Zpet);
    game.activateByKeyboard(Visit3);
    EXPECT_EQ(game.caption(penize), "32767");
    EXPECT_TRUE(game.visible(Dal2) && game.visible(Picture4) && game.visible(Tally4));
    EXPECT_FALSE(game.form().ended());
    EXPECT_TRUE(game.reporter().errors.empty());
}

// Pointing at an owned card explains it; the bare window surface puts the explanation away.
struct CardOwner {
    WidgetDriver game;
    void buy(Control card) {
        const Control buy[] = {Buy1, Buy2, Buy3, Buy4};
        game.play(paths::kShop);
        game.choose(buy[indexOf(card) - indexOf(Card1)]);
    }
    bool describing(Text key) { return game.visible(Popis) && game.caption(Popis) == textOf(key); }
    bool cleared() { return !game.visible(Popis) && game.caption(Popis).empty(); }
};

struct Hover : CardOwner, ::testing::Test {};

TEST_F(Hover, BeforeAnyCardNothingIsDescribed) {
    for (Control c : {Card1, Frame1, P, Shape1}) game.moveOnto(c);
    game.moveTo(QPoint(760, 300));
    EXPECT_TRUE(cleared());
}

TEST(HoverEachCard, ShowsItsOwnDescription) {
    const std::pair<Control, Text> cards[] = {
        {Card1, Text::D1}, {Card2, Text::D2}, {Card3, Text::D3}, {Card4, Text::D4}};
    for (auto [card, description] : cards) {
        CardOwner h;
        h.buy(card);
        h.game.moveOnto(card);
        EXPECT_TRUE(h.describing(description)) << controlName(card);
    }
}

TEST_F(Hover, TheDescriptionStaysOverEverythingButTheBareSurface) {
    buy(Card1);
    game.form().setVisible(Panelak, runtime::kTrue);
    game.moveOnto(Card1);
    const struct {
        const char* where;
        QPoint point;
    } keeps[] = {
        {"the description", game.centreOf(Popis)}, {"the frame's bare area", game.centreOf(Frame1) + QPoint(80, 90)},
        {"a picture", game.centreOf(Panelak)},     {"a button", game.centreOf(Slukonv)},
        {"the story", game.centreOf(P)},           {"the purse", game.centreOf(penize)},
        {"a tally", game.centreOf(Tally5)},
    };
    for (Qt::MouseButtons held : {Qt::MouseButtons{}, Qt::MouseButtons{Qt::RightButton}}) {
        for (const auto& k : keeps) {
            game.moveTo(k.point, held);
            EXPECT_TRUE(describing(Text::D1)) << k.where << (held ? " with a held button" : "");
        }
    }
    game.moveTo(game.centreOf(Shape1) + QPoint(60, 40));  // inside the outline is the bare surface
    EXPECT_TRUE(cleared());
    game.moveOnto(Card1, Qt::RightButton);
    EXPECT_TRUE(describing(Text::D1));
    game.moveTo(QPoint(760, 300), Qt::RightButton);
    EXPECT_TRUE(cleared());
}

TEST_F(Hover, ACardTakenAwayLeavesItsDescriptionUntilTheBareSurface) {
    game.play(paths::then(paths::kShop, {Buy1, Slukonv, Dal3, Pryc}));
    game.moveOnto(Card1);
    game.choose(darovat);  // gives the card away
    EXPECT_FALSE(game.visible(Card1));
    EXPECT_TRUE(describing(Text::D1));
    game.moveTo(QPoint(760, 300));
    EXPECT_TRUE(cleared());
    game.moveOnto(Card1);  // only the frame is there now
    EXPECT_TRUE(cleared());
}

}  // namespace
}  // namespace tolm::testing
