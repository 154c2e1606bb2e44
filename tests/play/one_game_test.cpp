// One whole game on the real widgets, from start-up to Konec, with clicks, keys and the pointer
// over a card: small enough to run under valgrind as well as on its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <string_view>

#include "content/text.h"
#include "tests/support/story_cases.h"
#include "tests/support/widget_driver.h"

namespace tolm::testing {
namespace {

using enum Control;

TEST(OneGame, FromStartUpToKonec) {
    const auto all = playthroughs();
    const auto game =
        std::ranges::find_if(all, [](const Playthrough& p) { return std::string_view(p.ending) == "Choice1"; });
    ASSERT_NE(game, all.end());

    WidgetDriver window;
    EXPECT_EQ(window.caption(P), textOf(content::Text::T00));
    for (std::size_t i = 0; i < game->steps.size(); ++i) {
        const auto& [choice, purse] = game->steps[i];
        // Mouse and keyboard take turns, so both ways into the handlers run.
        if (i % 2 == 0)
            window.choose(choice);
        else
            window.activateByKeyboard(choice);
        EXPECT_EQ(window.caption(penize), purse) << controlName(choice);
        if (choice == Buy1) {
            window.moveOnto(Card1);
            EXPECT_EQ(window.caption(Popis), textOf(content::Text::D1));
            window.moveTo(QPoint(2, 2));  // the window's bare margin
            EXPECT_FALSE(window.visible(Popis));
        }
    }
    EXPECT_EQ(window.caption(P), textOf(*game->lastStory));

    QTimer::singleShot(0, [&window] { window.choose(Konec); });
    EXPECT_EQ(QApplication::exec(), runtime::kExitNormal);
    EXPECT_TRUE(window.reporter().errors.empty());
}

}  // namespace
}  // namespace tolm::testing
