// Mouse and keyboard reach the controls as a player expects: focus, overlaps, moves, the end.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "content/text.h"
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

TEST_F(Input, AHiddenFocusedButtonPassesTheFocusToTheNextShownOne) {
    game.key(Qt::Key_Space);          // Vyjít hides itself and shows Zabít and Jít
    EXPECT_EQ(game.focused(), Zabit);  // tab 2, right after Vyjít
    game.key(Qt::Key_Tab);
    EXPECT_EQ(game.focused(), Jit);
    game.key(Qt::Key_Tab);
    EXPECT_EQ(game.focused(), Konec);
}

TEST_F(Input, AClickAtAnOverlapGoesToTheEarlierButtonAndTheLaterOneToTheKeyboard) {
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
