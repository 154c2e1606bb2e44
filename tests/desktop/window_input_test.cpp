// Mouse and keyboard reach the controls as a player expects: focus, overlaps, moves, the end.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <vector>

#include "content/text.h"
#include "tests/support/story_cases.h"
#include "tests/support/widget_driver.h"

namespace tolm {
namespace {

using content::Text;
using enum Control;

struct Input : ::testing::Test {
    testing::WidgetDriver game;
    std::string story() { return game.caption(P); }
    static std::string text(Text key) { return std::string(content::text(key)); }
};

TEST_F(Input, TheFocusStartsOnVyjit) { EXPECT_EQ(game.focused(), Vyjit); }

TEST_F(Input, ActivationKeysChooseTheFocusedButton) {
    for (Qt::Key k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        testing::WidgetDriver fresh;
        fresh.key(k);
        EXPECT_EQ(fresh.caption(P), text(Text::T23)) << k;
        EXPECT_FALSE(fresh.visible(Vyjit));
    }
}

// Where the focus goes when a choice hides the focused button: to the next choice shown, never
// to Konec while a choice is left, or the next Return would end the game unasked.
TEST(Focus, AChoiceThatHidesTheFocusedButtonPassesTheFocusToTheNextChoiceShown) {
    enum class By { Mouse, Keyboard };
    struct Case {
        const char* what;
        std::vector<Control> path;
        By by;
        Control focus;
    };
    const Case cases[] = {
        {"Vyjít, the next in tab order", {Vyjit}, By::Keyboard, Zabit},
        {"Pokračovat, whose next button is Konec", {Vyjit, Jit, Pokracovat}, By::Keyboard, Choice4},
        {"Pokračovat clicked", {Vyjit, Jit, Pokracovat}, By::Mouse, Choice4},
        {"Zpět, wrapping round past Konec",
         {Vyjit, Jit, Usmrtit, Choice5, Pokracovat, Choice4, Dal, Visit1, Zpet},
         By::Keyboard,
         Visit3},
        {"Prošacovat, leaving Choice7 and Jít", {Vyjit, Zabit, Prosacovat}, By::Mouse, Jit},
        {"Choice2, with Choice6 left before Konec", {Vyjit, Jit, Pokracovat, Choice2}, By::Keyboard, Choice6},
        {"Choice2, an ending", {Vyjit, Jit, Usmrtit, Choice5, Pokracovat, Choice2}, By::Keyboard, Konec},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::WidgetDriver game;
        for (Control step : c.path) {
            if (c.by == By::Mouse)
                game.click(step);
            else
                game.activateByKeyboard(step);
        }
        EXPECT_EQ(controlName(game.focused()), controlName(c.focus));
    }
}

// Every ending played with Tab and Space alone: after each choice the focus is on a choice
// shown, or on Konec once none is left.
TEST(Focus, EveryEndingByKeyboardKeepsTheFocusOnAChoiceUntilTheEnd) {
    for (const testing::Playthrough& p : testing::playthroughs()) {
        SCOPED_TRACE(p.ending);
        testing::WidgetDriver game;
        for (const auto& [choice, purse] : p.steps) {
            game.activateByKeyboard(choice);
            std::set<Control> choices = testing::buttonsOf(game.visibleControls());
            choices.erase(Konec);
            if (choices.empty())
                EXPECT_EQ(game.focused(), Konec) << "after " << controlName(choice);
            else
                EXPECT_TRUE(choices.contains(game.focused()))
                    << "after " << controlName(choice) << " the focus is on " << controlName(game.focused());
        }
    }
}

TEST_F(Input, TabAndShiftTabStillReachKonec) {
    game.key(Qt::Key_Space);  // Vyjít hides itself and shows Zabít and Jít
    EXPECT_EQ(game.focused(), Zabit);
    game.key(Qt::Key_Tab);
    EXPECT_EQ(game.focused(), Jit);
    game.key(Qt::Key_Tab);
    EXPECT_EQ(game.focused(), Konec);
    game.key(Qt::Key_Backtab);
    EXPECT_EQ(game.focused(), Jit);
}

TEST_F(Input, AClickAtAnOverlapGoesToTheEarlierButtonAndTheLaterOneToTheKeyboard) {
    // The focus away from the place, where the window's own stacking holds.
    game.window().widget(Konec)->setFocus();
    game.form().setVisible(Smula, runtime::kTrue);
    game.form().setVisible(Choice5, runtime::kTrue);
    game.click(Choice5);  // the place Smůla covers
    EXPECT_EQ(story(), text(Text::T18));
    EXPECT_FALSE(game.visible(Smula));
    EXPECT_TRUE(game.visible(Choice5));

    game.form().setVisible(Smula, runtime::kTrue);
    game.activateByKeyboard(Choice5);
    EXPECT_EQ(story(), text(Text::T33));
    EXPECT_TRUE(game.visible(Smula));
}

// What has the focus can be seen: a covered choice that Tab brings the focus to is drawn in front
// of its place, and a click there takes it. A choice by mouse leaves the window's own stacking.
TEST_F(Input, ACoveredChoiceWithTheFocusIsDrawnInFrontAndTakesTheClick) {
    for (Control c : {Vyjit, Jit, Pokracovat}) game.click(c);
    // The square: Chi, chi! and Zabít lie behind the three ways off it.
    const auto front = [&](Control c) { return game.window().childAt(game.centreOf(c)) == game.window().widget(c); };
    for (Control c : {Choice4, Choice3, Choice2}) EXPECT_TRUE(front(c)) << controlName(c);
    for (Control c : {Choice6, Usmrtit}) EXPECT_FALSE(front(c)) << controlName(c);
    EXPECT_EQ(game.focused(), Choice4) << "after a click, the focus goes to a choice in front";

    for (Control covered : {Choice6, Usmrtit}) {
        for (int i = 0; i < 40 && game.focused() != covered; ++i) game.key(Qt::Key_Tab);
        ASSERT_EQ(game.focused(), covered);
        EXPECT_TRUE(front(covered)) << controlName(covered) << " is drawn where it has the focus";
    }
    game.key(Qt::Key_Tab);  // Zabít lets the focus go: the square is stacked as before
    for (Control c : {Choice4, Choice3, Choice2}) EXPECT_TRUE(front(c)) << controlName(c);
    for (int i = 0; i < 40 && game.focused() != Usmrtit; ++i) game.key(Qt::Key_Tab);
    game.click(Usmrtit);
    EXPECT_EQ(story(), text(Text::T20)) << "the click took Zabít, drawn in front";
}

TEST_F(Input, HiddenButtonsTakeNoClicks) {
    game.click(Dal);  // hidden; Jít, Pokračovat and others at that row are hidden too
    EXPECT_EQ(story(), text(Text::T00));
}

// The window's own pointer move clears the card description; only its bare surface raises it.
TEST_F(Input, OnlyTheBareSurfaceRaisesTheWindowsPointerMove) {
    game.form().setVisible(Panelak, runtime::kTrue);
    struct Case {
        const char* where;
        QPoint point;
        bool raises;
    };
    const QPoint frameBare = game.centreOf(Frame1) + QPoint(60, 60);
    const QPoint insideShape = game.centreOf(Shape1) + QPoint(60, 40);
    const Case cases[] = {
        {"bare surface", QPoint(760, 300), true},
        {"inside the shape's outline", insideShape, true},
        {"on the shape's outline", QPoint(game.centreOf(Shape1).x(), 320), true},
        {"story label", game.centreOf(P), false},
        {"button", game.centreOf(Vyjit), false},
        {"picture", game.centreOf(Panelak), false},
        {"purse", game.centreOf(penize), false},
        {"tally heading", game.centreOf(L), false},
        {"frame's bare area", frameBare, false},
        {"hidden card's place", game.centreOf(Card1), false},
    };
    for (const Case& c : cases) {
        // The right button: it drags without choosing the button it is pressed on.
        for (Qt::MouseButtons held : {Qt::MouseButtons{}, Qt::MouseButtons{Qt::RightButton}}) {
            SCOPED_TRACE(std::string(c.where) + (held ? " with a held button" : ""));
            game.moveTo(QPoint(2, 2));  // somewhere neutral first: the top-left margin is bare
            game.form().setVisible(Popis, runtime::kTrue);
            game.form().setCaption(Popis, "popis");
            game.moveTo(c.point, held);
            EXPECT_EQ(!game.visible(Popis), c.raises);
            EXPECT_EQ(game.caption(Popis).empty(), c.raises);
        }
    }
}

TEST_F(Input, KonecEndsTheProgramWithSuccess) {
    QTimer::singleShot(0, [this] { game.click(Konec); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(game.form().exitStatus(), 0);
    EXPECT_TRUE(game.reporter().errors.empty());
}

TEST_F(Input, KonecFromTheKeyboardEndsTooAndNothingFollows) {
    game.activateByKeyboard(Konec);
    EXPECT_EQ(game.form().exitStatus(), 0);
    game.activateByKeyboard(Vyjit);
    EXPECT_EQ(story(), text(Text::T00));
}

TEST_F(Input, ClosingTheWindowEndsTheProgramWithSuccess) {
    QTimer::singleShot(0, [this] { game.window().close(); });
    EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
}  // namespace tolm
