// The interpreter on a small story made for it: chains, failed reads, errors midway, the purse's
// ends and the fare, each in a handler of a few steps rather than somewhere inside the real story.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "content/text.h"
#include "engine/story.h"
#include "headless/recording_reporter.h"
#include "memory/memory_form.h"

namespace tolm::engine {
namespace {

using enum Control;
using enum content::Text;
using headless::RecordingReporter;
using memory::MemoryForm;
using runtime::kFalse;
using runtime::kTrue;

// The fixture story. Each handler is run directly, so its trigger only names it.
// A chain tested again before each of its steps, then a step it does not guard.
const Handler kChain{click(Dal),
                     {chained(purseAbove(5), purse(-10)), chained(purseAbove(5), show(Dal2)),
                      chained(purseBelow(100), show(Dal3)), when(purseIs(2), story(T11)), show(Dal4)}};
// A test that reads a label's Visible, between two plain steps.
const Handler kRead{click(Pryc), {show(Vyrazit), when(visibleIs(Card1, kTrue), show(Dat)), show(Zpet)}};
// Plain steps, the third of which the tests make fail.
const Handler kSteps{click(Jit), {show(Picture10), story(T09), show(Usmrtit), show(Choice6)}};
// The purse moved by a fixed amount, then shown.
const Handler kEarn{click(Visit3), {purse(+30000), showPurse()}};
const Handler kSpend{click(Buy2), {purse(-30000), showPurse()}};
// The fare reckoned from the display, then shown.
const Handler kFare{click(Slukonv), {fare(), showPurse()}};
// The end, and a step after it that must not run.
const Handler kEnd{click(Konec), {endProgram(), show(Dal)}};

struct Interpreter : ::testing::Test {
    RecordingReporter reporter;
    MemoryForm form{reporter};

    void setPurse(std::int16_t value, std::string_view shown) {
        form.setPurse(value);
        form.setCaption(penize, shown);
    }
    std::optional<int> error() const {
        if (reporter.errors.empty()) return std::nullopt;
        return reporter.errors.front().number;
    }
};

TEST_F(Interpreter, AChainStopsAtItsFirstFailedTestAndTheStepsAfterItRun) {
    struct Case {
        std::int16_t purse;
        std::int16_t purseAfter;
        bool dal2, dal3, t11;
    };
    const Case cases[] = {
        {20, 10, true, true, false},  // every test passes
        {12, 2, false, false, true},  // the first step makes the second test fail: the third is not made
        {5, 5, false, false, false},  // the first test fails: the whole chain is skipped
        {-40, -40, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("purse " + std::to_string(c.purse));
        RecordingReporter r;
        MemoryForm f{r};
        f.setPurse(c.purse);
        EXPECT_EQ(run(kChain, f), Outcome::Done);
        EXPECT_EQ(f.purse(), c.purseAfter);
        EXPECT_EQ(f.visible(Dal2), c.dal2);
        EXPECT_EQ(f.visible(Dal3), c.dal3);
        EXPECT_EQ(f.caption(P) == content::text(T11), c.t11);
        EXPECT_TRUE(f.visible(Dal4));
        EXPECT_TRUE(r.errors.empty());
    }
}

TEST_F(Interpreter, ATestOfAVisibleLabelGuardsItsStepAlone) {
    for (runtime::Truth card : {kTrue, kFalse}) {
        RecordingReporter r;
        MemoryForm f{r};
        f.setVisible(Card1, card);
        EXPECT_EQ(run(kRead, f), Outcome::Done);
        EXPECT_EQ(f.visible(Dat), card == kTrue);
        EXPECT_TRUE(f.visible(Zpet));
    }
}

TEST_F(Interpreter, AFailedReadStopsTheHandlerBeforeTheGuardedStep) {
    form.setVisible(Card1, kTrue);
    form.failOperationAfter(2);  // show Vyrazit, then the read of Card1.Visible
    EXPECT_EQ(run(kRead, form), Outcome::Failed);
    EXPECT_TRUE(form.visible(Vyrazit));
    EXPECT_FALSE(form.visible(Dat));
    EXPECT_FALSE(form.visible(Zpet));
    EXPECT_EQ(error(), runtime::kPropertyFailed);
    EXPECT_EQ(form.exitStatus(), runtime::kExitRuntimeError);
}

TEST_F(Interpreter, AReadTheControlRefusesIsARuntimeError) {
    const Handler readsAButton{click(Dal3), {show(Dal4), when(visibleIs(Dal, kFalse), show(Dat)), show(Pryc)}};
    EXPECT_EQ(run(readsAButton, form), Outcome::Failed);
    EXPECT_TRUE(form.visible(Dal4));
    EXPECT_FALSE(form.visible(Dat));
    EXPECT_FALSE(form.visible(Pryc));
    EXPECT_EQ(error(), runtime::kPropertyFailed);
}

TEST_F(Interpreter, AnErrorKeepsTheEarlierStepsAndEndsWithFailure) {
    form.failOperationAfter(3);
    EXPECT_EQ(run(kSteps, form), Outcome::Failed);
    EXPECT_TRUE(form.visible(Picture10));
    EXPECT_EQ(form.caption(P), content::text(T09));
    EXPECT_FALSE(form.visible(Usmrtit));
    EXPECT_FALSE(form.visible(Choice6));
    ASSERT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(error(), runtime::kPropertyFailed);
    EXPECT_EQ(form.exitStatus(), runtime::kExitRuntimeError);
    // Nothing reaches the story once the program has ended.
    raise(form, click(Vyjit));
    EXPECT_TRUE(form.visible(Vyjit));
    EXPECT_EQ(reporter.errors.size(), 1u);
}

TEST_F(Interpreter, ThePurseStaysAtEitherEndOfItsRange) {
    struct Case {
        const Handler* handler;
        std::int16_t purse;
        std::int16_t after;
    };
    const Case cases[] = {
        {&kEarn, 0, 30000},        {&kEarn, 2767, 32767},                            // exactly the top
        {&kEarn, 2768, 32767},                                                       // one past it
        {&kEarn, 32767, 32767},    {&kSpend, 0, -30000},  {&kSpend, -2768, -32768},  // exactly the bottom
        {&kSpend, -2769, -32768},                                                    // one past it
        {&kSpend, -32768, -32768},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(handlerName(c.handler->trigger) + " from " + std::to_string(c.purse));
        RecordingReporter r;
        MemoryForm f{r};
        f.setPurse(c.purse);
        EXPECT_EQ(run(*c.handler, f), Outcome::Done);
        EXPECT_EQ(f.purse(), c.after);
        EXPECT_EQ(f.caption(penize), std::to_string(c.after));
        EXPECT_TRUE(r.errors.empty());
    }
}

TEST_F(Interpreter, TheFareIsTakenFromTheDisplayNotThePurse) {
    struct Case {
        const char* shown;
        std::optional<std::int16_t> after;  // nothing: a runtime error
        std::optional<int> error;
    };
    const Case cases[] = {
        {"400", 392, std::nullopt},
        {"1000", 992, std::nullopt},  // the purse holds 400: the display wins
        {"8", 0, std::nullopt},
        {"0", -8, std::nullopt},
        {"-32768", -32768, std::nullopt},  // stays at the bottom
        {"40000", 32767, std::nullopt},    // a display past the top leaves the purse at the top
        {"8.5", 0, std::nullopt},          // a half goes to the even neighbour
        {"mnoho", std::nullopt, runtime::kTypeMismatch},
        {"", std::nullopt, runtime::kTypeMismatch},
        {"1e400", std::nullopt, runtime::kFloatingPoint},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("the display shows \"") + c.shown + "\"");
        RecordingReporter r;
        MemoryForm f{r};
        f.setPurse(400);
        f.setCaption(penize, c.shown);
        const Outcome outcome = run(kFare, f);
        if (c.after) {
            EXPECT_EQ(outcome, Outcome::Done);
            EXPECT_EQ(f.purse(), *c.after);
            EXPECT_EQ(f.caption(penize), std::to_string(*c.after));
            EXPECT_TRUE(r.errors.empty());
        } else {
            EXPECT_EQ(outcome, Outcome::Failed);
            EXPECT_EQ(f.purse(), 400);
            EXPECT_EQ(f.caption(penize), c.shown);  // the purse is not shown after a failed fare
            ASSERT_EQ(r.errors.size(), 1u);
            EXPECT_EQ(r.errors[0].number, *c.error);
        }
    }
}

TEST_F(Interpreter, AFareWhoseDisplayCannotBeReadIsARuntimeError) {
    setPurse(400, "400");
    form.failOperationAfter(1);
    EXPECT_EQ(run(kFare, form), Outcome::Failed);
    EXPECT_EQ(form.purse(), 400);
    EXPECT_EQ(error(), runtime::kPropertyFailed);
}

TEST_F(Interpreter, TheEndStopsTheHandlerThere) {
    EXPECT_EQ(run(kEnd, form), Outcome::Ended);
    EXPECT_EQ(form.exitStatus(), runtime::kExitNormal);
    EXPECT_FALSE(form.visible(Dal));
    EXPECT_TRUE(reporter.errors.empty());
}

}  // namespace
}  // namespace tolm::engine
