// Every choice, the purse chains and whole games, on the headless window.
#include <gtest/gtest.h>

#include "runtime/convert.h"
#include "tests/support/headless_game.h"
#include "tests/support/story_cases.h"

namespace tolm::testing {
namespace {

using content::Text;
using enum Control;

class EveryChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(EveryChoice, ChangesExactlyWhatItsStepsSay) {
    const ChoiceCase& c = GetParam();
    HeadlessGame game;
    game.play(c.path);
    const auto before = game.visibleControls();
    const std::string storyBefore = game.story();

    game.choose(c.choice);

    const auto after = game.visibleControls();
    EXPECT_EQ(game.story(), c.story ? textOf(*c.story) : storyBefore);
    EXPECT_EQ(minus(after, before), setOf(c.shown));
    EXPECT_EQ(minus(before, after), setOf(c.hidden));
    EXPECT_EQ(game.form.purse(), c.purse);
    EXPECT_EQ(game.shownPurse(), std::to_string(c.purse));
    EXPECT_TRUE(game.reporter.errors.empty());
    EXPECT_FALSE(game.form.ended());
}

INSTANTIATE_TEST_SUITE_P(Story, EveryChoice, ::testing::ValuesIn(choiceCases()),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

class Playthroughs : public ::testing::TestWithParam<Playthrough> {};

TEST_P(Playthroughs, ReachTheEndingWithThePurseShownAtEveryStep) {
    const Playthrough& p = GetParam();
    HeadlessGame game;
    for (const auto& [choice, purse] : p.steps) {
        SCOPED_TRACE(std::string(controlName(choice)));
        game.choose(choice);
        EXPECT_EQ(game.shownPurse(), purse);
    }
    EXPECT_EQ(game.story(), textOf(*p.lastStory));
    EXPECT_EQ(buttonsOf(game.visibleControls()), setOf(p.buttonsLeft));
    // Over: no button left but Konec changes anything any more.
    for (Control b : p.buttonsLeft) {
        if (b == Konec) continue;
        const auto shown = game.visibleControls();
        const std::string story = game.story();
        game.choose(b);
        EXPECT_EQ(game.visibleControls(), shown) << controlName(b);
        EXPECT_EQ(game.story(), story) << controlName(b);
    }
    EXPECT_TRUE(game.reporter.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Story, Playthroughs, ::testing::ValuesIn(playthroughs()),
                         [](const auto& info) { return "ending" + std::to_string(info.index); });

// The outcome of a purse-driven choice from a purse set for the test.
struct PurseCase {
    std::int16_t purse;
    const char* display;  // what peníze shows before the click; nullptr: the purse's own text
    std::optional<Text> story;
    std::int16_t purseAfter;
    std::vector<Control> shown;
    std::vector<Control> hidden;
};

void expectOutcome(const std::vector<Control>& path, Control choice, const PurseCase& c) {
    SCOPED_TRACE("purse " + std::to_string(c.purse));
    HeadlessGame game;
    game.play(path);
    game.setPurse(c.purse);
    if (c.display) game.form.setCaption(penize, c.display);
    const auto before = game.visibleControls();
    const std::string storyBefore = game.story();

    game.choose(choice);

    EXPECT_EQ(game.story(), c.story ? textOf(*c.story) : storyBefore);
    EXPECT_EQ(game.form.purse(), c.purseAfter);
    EXPECT_EQ(game.shownPurse(), runtime::toText(c.purseAfter));
    EXPECT_EQ(minus(game.visibleControls(), before), setOf(c.shown));
    EXPECT_EQ(minus(before, game.visibleControls()), setOf(c.hidden));
    EXPECT_TRUE(game.reporter.errors.empty());
}

TEST(Purse, TheFareIsPaidFromWhatThePurseShows) {
    const auto atTheStop = paths::then(paths::kShop, {Buy1});
    const std::vector<Control> paid{Dal3, Autobus}, stays{Slukonv, Rumburk, Jirikov};
    const PurseCase cases[] = {
        {-5, nullptr, std::nullopt, -5, {}, {}},
        {-32768, nullptr, std::nullopt, -32768, {}, {}},
        {0, nullptr, Text::T11, 0, {}, {Picture5}},
        {1, nullptr, Text::T19, -7, {}, {}},
        {7, nullptr, Text::T19, -1, {}, {}},
        {8, nullptr, Text::T19, 0, {}, {Picture5}},
        {9, nullptr, Text::T19, 1, paid, stays},
        {400, nullptr, Text::T19, 392, paid, stays},
        {32767, nullptr, Text::T19, 32759, paid, stays},
        // The display, not the purse, is what the fare is reckoned from.
        {400, "1000", Text::T19, 992, paid, stays},
        {400, "-32768", Text::T19, -32768, {}, {}},  // saturates: the purse cannot go lower
    };
    for (const PurseCase& c : cases) expectOutcome(atTheStop, Slukonv, c);
}

TEST(Purse, ThePaidChoiceCostsAThousandOnlyAboveAThousand) {
    const auto atTheBee = paths::then(paths::kShop, {Buy1, Slukonv, Dal3, Pryc, darovat, Dal4});
    const std::vector<Control> none;
    const PurseCase cases[] = {
        {-3, nullptr, Text::T24, -3, {}, {}},
        {-32768, nullptr, Text::T24, -32768, {}, {}},
        {999, nullptr, Text::T24, 999, {}, {}},
        {1000, nullptr, std::nullopt, 1000, {}, {}},
        {1001, nullptr, Text::T24, 1, {}, {}},
        {1500, nullptr, Text::T24, 500, {}, {}},
        {1999, nullptr, Text::T24, 999, {}, {}},
        {2000, nullptr, std::nullopt, 1000, {}, {}},
        {2001, nullptr, Text::T30, 1001, {Tally1}, {Choice1, Dale}},
        {2992, nullptr, Text::T30, 1992, {Tally1}, {Choice1, Dale}},
        {32767, nullptr, Text::T30, 31767, {Tally1}, {Choice1, Dale}},
    };
    for (const PurseCase& c : cases) expectOutcome(atTheBee, Choice1, c);
}

TEST(Purse, TheFareChainStopsAtItsFirstFailedTest) {
    // With 3 crowns the fare leaves -5: the chain after it must not hide Šlukonv.
    HeadlessGame game;
    game.play(paths::then(paths::kShop, {Buy1}));
    game.setPurse(3);
    game.choose(Slukonv);
    EXPECT_TRUE(game.form.visible(Slukonv));
    EXPECT_TRUE(game.form.visible(Picture5));
    game.choose(Slukonv);  // judged by the new purse: below zero, nothing but the display
    EXPECT_EQ(game.form.purse(), -5);
    EXPECT_EQ(game.story(), textOf(Text::T19));
}

// Visit3 -> Dál2 -> Visit1 -> Zpět, the one loop, earns 400 a pass and stops at the purse's top.
TEST(Purse, TheLoopSaturatesAtTheTopAndTheGameGoesOn) {
    HeadlessGame game;
    game.play(paths::kTown);
    const std::pair<int, std::int16_t> checkpoints[] = {{1, 10400}, {2, 10800}, {56, 32400}, {57, 32767}, {58, 32767}};
    int visits = 0;
    for (auto [clicks, purse] : checkpoints) {
        while (visits < clicks) {
            if (visits > 0) game.play({Dal2, Visit1, Zpet});
            game.choose(Visit3);
            ++visits;
        }
        SCOPED_TRACE("after " + std::to_string(clicks) + " visits");
        EXPECT_EQ(game.form.purse(), purse);
        EXPECT_EQ(game.shownPurse(), std::to_string(purse));
        EXPECT_EQ(game.story(), textOf(Text::T12));
        for (Control c : {Dal2, Picture4, Tally4}) EXPECT_TRUE(game.form.visible(c)) << controlName(c);
        for (Control c : {Visit1, Visit2, Visit3}) EXPECT_FALSE(game.form.visible(c)) << controlName(c);
    }
    game.play({Dal2, Visit2, Buy2});
    EXPECT_EQ(game.form.purse(), 22767);
    EXPECT_TRUE(game.reporter.errors.empty());
    EXPECT_FALSE(game.form.ended());
}

TEST(Purse, AnyChangeSaturatesAtTheBottomToo) {
    HeadlessGame game;
    game.play(paths::kShop);
    game.setPurse(-30000);
    game.choose(Buy2);  // -10000 more would pass the bottom of the range
    EXPECT_EQ(game.form.purse(), -32768);
    EXPECT_EQ(game.shownPurse(), "-32768");
    EXPECT_TRUE(game.form.visible(Slukonv));  // the handler went on after the purse step
}

TEST(Purse, AFareFromTextThatIsNoNumberIsARuntimeError) {
    HeadlessGame game;
    game.play(paths::then(paths::kShop, {Buy1}));
    game.form.setCaption(penize, "mnoho");
    game.choose(Slukonv);
    ASSERT_EQ(game.reporter.errors.size(), 1u);
    EXPECT_EQ(game.reporter.errors[0].number, runtime::kTypeMismatch);
    EXPECT_EQ(game.form.exitStatus(), runtime::kExitRuntimeError);
    EXPECT_EQ(game.story(), textOf(Text::T19));  // the step before the fare stays done
    EXPECT_TRUE(game.form.visible(Slukonv));
}

TEST(Tests, PrycReadsCard1TwiceAndShowsExactlyOneOfItsTwoWays) {
    for (bool card1 : {false, true}) {
        HeadlessGame game;
        game.play(paths::then(paths::kShop, {Buy4, Slukonv, Dal3}));
        game.form.setVisible(Card1, runtime::truth(card1));
        game.choose(Pryc);
        EXPECT_EQ(game.form.visible(darovat), card1);
        EXPECT_EQ(game.form.visible(Smula), !card1);
    }
}

}  // namespace
}  // namespace tolm::testing
