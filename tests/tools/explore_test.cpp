// Every state of the game, explored: the story's rules hold in it, and each rule fails on a story
// that breaks it; the endings, the unused texts and the hidden buttons are as the story has them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/story.h"
#include "headless/recording_reporter.h"
#include "memory/memory_form.h"
#include "tools/explore/findings.h"

namespace tolm::explore {
namespace {

using namespace engine;
using enum Control;
using enum content::Text;
using runtime::kTrue;

// The real story, explored once for every test that only reads it.
const Exploration& game() {
    static const Exploration x = explore();
    return x;
}

const Findings& findingsOfGame() {
    static const Findings f = examine(game());
    return f;
}

std::string breachesOf(const Findings& f, Rule rule) {
    std::string text;
    for (const Violation& v : f.violations)
        if (v.rule == rule) text += v.what + "\n";
    return text;
}

// A slip an author could make in one handler: a step of the real row changed into another,
// dropped (no `to`), or added at the end (no `from`; a handler of its own if the trigger has none).
// The mutant is made from the real row, so a change to that row reaches its mutant too.
struct Slip {
    Trigger trigger;
    std::optional<Step> from;
    std::optional<Step> to;
};

// A rule, and a slip that breaks it.
struct RuleCase {
    const char* name;
    Rule rule;
    Slip slip;
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }

const RuleCase kRules[] = {
    {"PartsInOrder",
     Rule::PartsInOrder,  // Choice2 offers the way out of the opening again
     {click(Choice2), std::nullopt, single(show(Jit))}},
    {"DalPaidOnce",
     Rule::DalPaidOnce,  // through the broken door back to the street, where Dál pays again
     {click(Vyrazit), std::nullopt, single(show(Dal))}},
    {"OneCard",
     Rule::OneCard,  // Buy1 leaves Buy2 on offer
     {click(Buy1), single(hide(Buy2)), std::nullopt}},
    {"CardDecidesTrip",
     Rule::CardDecidesTrip,  // Dát offered for the wrong card
     {click(Dal3), when(visibleIs(Card3, kTrue), show(Dat)), when(visibleIs(Card1, kTrue), show(Dat))}},
    {"Endings",
     Rule::Endings,  // Choice4 forgets to lead into the town
     {click(Choice4), single(show(Dal)), std::nullopt}},
    {"MouseVisit3Once",
     Rule::MouseVisit3Once,  // nothing covers Zpět any more
     {click(Visit1), single(show(Vyrazit)), std::nullopt}},
    {"PurseNeverNegative",
     Rule::PurseNeverNegative,  // Buy2 costs more than Dál pays
     {click(Buy2), purse(-10000), purse(-10400)}},
    {"Choice1LastRow",
     Rule::Choice1LastRow,  // Buy1 so dear that Choice1 finds the purse below 1000
     {click(Buy1), purse(-7000), purse(-9000)}},
    {"PurseLimit",
     Rule::PurseLimit,  // Dál fills the purse to the brim
     {click(Dal), purse(+10000), purse(INT16_MAX)}},
    {"TextsShown",
     Rule::TextsShown,  // Choice4 tells Choice3's story, so T13 never shows
     {click(Choice4), story(T13), story(T25)}},
    {"SilentButtons",
     Rule::SilentButtons,  // Jiříkov given a handler
     {click(Jirikov), std::nullopt, story(T03)}},
    {"DescriptionOfCard",
     Rule::DescriptionOfCard,  // the second card described as the first
     {mouseMove(Card2), describe(D2), describe(D1)}},
    {"GameGoesOn",
     Rule::GameGoesOn,  // a step the runtime refuses: the frame cannot be shown or hidden
     {click(Smula), std::nullopt, single(show(Frame1))}},
};

// The real story with the slip made; fails the test if the row no longer holds the step to change.
std::vector<Handler> slipped(const Slip& slip) {
    std::vector<Handler> story(handlers().begin(), handlers().end());
    auto row = std::ranges::find_if(story, [&](const Handler& h) { return h.trigger == slip.trigger; });
    if (row == story.end()) row = story.insert(story.end(), Handler{slip.trigger, {}});
    Handler& h = *row;
    if (!slip.from) {
        if (h.count == Handler::kMaxSteps)
            ADD_FAILURE() << handlerName(h.trigger) << " has no room for a step";
        else
            h.steps[h.count++] = *slip.to;
        return story;
    }
    const auto end = h.steps.begin() + h.count;
    const auto at = std::find(h.steps.begin(), end, *slip.from);
    if (at == end) {
        ADD_FAILURE() << handlerName(h.trigger) << " no longer has the step the slip changes";
    } else if (slip.to) {
        *at = *slip.to;
    } else {
        std::move(at + 1, end, at);
        --h.count;
    }
    return story;
}

// Every rule on the one exploration of the real story, in one process: a test per rule would
// explore the whole game again for each.
TEST(StoryRules, HoldInEveryStateOfTheGame) {
    for (const RuleCase& c : kRules) EXPECT_EQ(breachesOf(findingsOfGame(), c.rule), "") << c.name;
}

class StoryRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(StoryRule, FailsOnAStoryThatBreaksIt) {
    const std::vector<Handler> story = slipped(GetParam().slip);  // the exploration reads it to the end
    const Exploration x = explore(story);
    EXPECT_NE(breachesOf(examine(x), GetParam().rule), "");
}

INSTANTIATE_TEST_SUITE_P(Explorer, StoryRule, ::testing::ValuesIn(kRules),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StoryRules, EachHasItsCase) {
    std::vector<bool> covered(kRuleCount);
    for (const RuleCase& c : kRules) covered[static_cast<std::size_t>(c.rule)] = true;
    for (std::size_t r = 0; r < kRuleCount; ++r) EXPECT_TRUE(covered[r]) << ruleName(Rule(r));
}

// Golden: the click that ends the game, the story it leaves, and the shortest way there
// with the fewest keyboard moves (none: the mouse finds every ending).
TEST(ExploredGame, EndsWhereTheStoryEndsAndShowsTheWayThere) {
    struct Way {
        Control ending;
        content::Text story;
        const char* way;
    };
    const Way expected[] = {
        {Pokracovat2, T15, "Vyjít, Jít, Choice6, Pokračovat2"},
        {Choice2, T29, "Vyjít, Jít, Usmrtit, Choice5, Pokračovat, Choice2"},
        {Choice5, T33, "Vyjít, Jít, Pokračovat, Choice2, Usmrtit, Choice5"},
        {Vyrazit, T26, "Vyjít, Jít, Pokračovat, Choice3, Choice6, Dál, Visit1, Pokračovat2, Vyrazit"},
        {Slukonv, T11, "Vyjít, Jít, Pokračovat, Choice3, Usmrtit, Choice5, Dál, Visit2, Buy2, Šlukonv"},
        {Smula, T18,
         "Vyjít, Jít, Pokračovat, Choice3, Choice6, Dál, Visit2, Buy4, Šlukonv, Dál3, Pryč, Pokračovat2, Smůla"},
        {Dale, T05,
         "Vyjít, Jít, Pokračovat, Choice3, Dál, Visit2, Buy3, Šlukonv, Dál3, Dát, Usmrtit, Choice5, Dál4, Dále"},
        {Choice1, T30,
         "Vyjít, Jít, Pokračovat, Choice3, Dál, Visit2, Buy3, Šlukonv, Dál3, Dát, Usmrtit, Choice5, Dál4, Choice1"},
    };
    const Exploration& x = game();
    const std::vector<Ending>& endings = findingsOfGame().endings;
    ASSERT_EQ(endings.size(), std::size(expected));
    for (std::size_t i = 0; i < endings.size(); ++i) {
        SCOPED_TRACE(std::string(controlName(expected[i].ending)));
        const Move& last = x.moves[endings[i].firstMove];
        std::vector<std::uint32_t> way = x.pathTo(last.from);
        way.push_back(endings[i].firstMove);
        EXPECT_EQ(endings[i].choice, expected[i].ending);
        EXPECT_EQ(x.states[last.to].story, expected[i].story);
        EXPECT_EQ(x.describe(way), expected[i].way);
    }
}

TEST(ExploredGame, LeavesOnlyT24UnshownAndNothingElseUnused) {
    const Findings& f = findingsOfGame();
    EXPECT_EQ(f.textsNeverShown, std::vector{T24});
    EXPECT_TRUE(f.controlsNeverShown.empty());
    EXPECT_TRUE(f.handlersNeverRun.empty());
    EXPECT_TRUE(f.deadEnds.empty());
}

// The purse of each part: nothing before Dál, Dál's 10000 plus the Visit3 loop up to the
// limit in the town, and at most the limit less the cheapest card on the trip.
TEST(ExploredGame, KeepsThePurseOfEachPartInItsRange) {
    const std::array<std::pair<int, int>, kPartCount> expected{{{0, 0}, {0, 0}, {10000, 32767}, {0, 32767 - 4000}}};
    for (std::size_t p = 0; p < kPartCount; ++p) {
        const PurseRange& r = findingsOfGame().purse[p];
        EXPECT_EQ((std::pair<int, int>{r.low, r.high}), expected[p]) << partName(Part(p));
    }
}

TEST(ExploredGame, NeedsTheKeyboardOnlyForButtonsBehindOthers) {
    std::map<Control, std::set<Control>> behind;
    for (const HiddenButton& h : findingsOfGame().keyboardOnly) behind[h.button] = h.behind;
    // The ones that outlive the second scene lie behind whatever comes to their row later.
    EXPECT_EQ(behind.size(), 6u);
    for (Control outliving : {Usmrtit, Choice5, Choice6, Pokracovat2}) EXPECT_TRUE(behind.contains(outliving));
    EXPECT_EQ(behind[Zpet], std::set{Vyrazit});
    EXPECT_EQ(behind[Smula], std::set{Choice1});
}

// The window is put back from snapshots; replaying a state's way on a new window must give
// that very state. A stride through the states keeps the test quick.
// The rules of play do not change with the language: each language reaches the same states by the
// same moves. The window in memory knows a caption's key by its words, so two texts that read
// alike in a translation would merge two states there.
TEST(ExploredGame, IsTheSameInEveryLanguage) {
    for (std::size_t l = 1; l < content::languageCount(); ++l) {
        const content::Language language = content::languageAt(l);
        SCOPED_TRACE(std::string(content::languageCode(language)));
        content::useLanguage(language);
        const Exploration x = explore();
        content::useLanguage(content::kCzech);
        EXPECT_EQ(x.states.size(), game().states.size());
        EXPECT_TRUE(x.states == game().states);
        EXPECT_TRUE(x.moves == game().moves);
        EXPECT_TRUE(x.foundBy == game().foundBy);
        EXPECT_TRUE(x.faults == game().faults);
        EXPECT_TRUE(examine(x).violations.empty());
    }
}

TEST(ExploredGame, EveryStateIsWhereItsWayLeads) {
    const Exploration& x = game();
    constexpr std::size_t kStride = 61;
    for (std::uint32_t s = 0; s < x.states.size(); s += kStride) {
        headless::RecordingReporter reporter;
        memory::MemoryForm form{reporter};
        raise(form, kFormLoad);
        for (std::uint32_t m : x.pathTo(s)) {
            const Event& e = x.eventOf(x.moves[m]);
            ASSERT_TRUE(!e.control || form.visible(*e.control)) << x.eventName(x.moves[m]) << " is not there";
            raise(form, e.trigger);
        }
        const State& expected = x.states[s];
        SCOPED_TRACE(x.describe(x.pathTo(s)));
        EXPECT_EQ(form.visibility(), expected.visible);
        EXPECT_EQ(form.caption(P), content::text(*expected.story));
        EXPECT_EQ(form.caption(Popis), content::text(*expected.description));
        EXPECT_EQ(form.purse(), expected.purse);
        EXPECT_EQ(form.caption(penize), std::to_string(expected.purse));
    }
}

}  // namespace
}  // namespace tolm::explore
