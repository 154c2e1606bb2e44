// Start-up, the end button and the property rules, on the headless window.
#include <gtest/gtest.h>

#include <set>

#include "content/text.h"
#include "engine/story.h"
#include "headless/recording_reporter.h"
#include "memory/memory_form.h"

namespace tolm::engine {
namespace {

using headless::RecordingReporter;
using memory::MemoryForm;

std::set<Control> visibleControls(const MemoryForm& form) {
    std::set<Control> shown;
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (form.visible(controlAt(i))) shown.insert(controlAt(i));
    return shown;
}

struct Game : ::testing::Test {
    RecordingReporter reporter;
    MemoryForm form{reporter};
    void SetUp() override { raise(form, kFormLoad); }
};

TEST_F(Game, OpensOnTheFirstSceneWithAnEmptyPurse) {
    using enum Control;
    EXPECT_EQ(visibleControls(form), (std::set{P, L, Pen, penize, Frame1, Shape1, Vyjit, Konec}));
    EXPECT_EQ(form.caption(P), content::text(content::Text::T00));
    EXPECT_EQ(form.caption(penize), "0");
    EXPECT_EQ(form.caption(Popis), "");
    EXPECT_EQ(form.purse(), 0);
    EXPECT_FALSE(form.ended());
}

TEST_F(Game, BeforeLoadThePurseShowsNothing) {
    MemoryForm unloaded{reporter};
    EXPECT_EQ(unloaded.caption(Control::penize), "");
}

TEST_F(Game, KonecEndsAtOnceAndNothingRunsAfterIt) {
    raise(form, click(Control::Konec));
    EXPECT_EQ(form.exitStatus(), runtime::kExitNormal);
    raise(form, click(Control::Vyjit));
    EXPECT_TRUE(form.visible(Control::Vyjit));
    EXPECT_EQ(form.caption(Control::P), content::text(content::Text::T00));
    EXPECT_TRUE(reporter.errors.empty());
}

TEST(Properties, EachKindAllowsOnlyItsOperations) {
    RecordingReporter reporter;
    MemoryForm form{reporter};
    using runtime::Status;
    std::string text;
    runtime::Truth value = 0;
    struct Case {
        const char* what;
        Status status;
        Status expected;
    };
    const Case cases[] = {
        {"caption of a label", form.setCaption(Control::P, "x"), Status::Ok},
        {"caption of a button", form.setCaption(Control::Dal, "x"), Status::Failed},
        {"caption of a picture", form.getCaption(Control::Panelak, text), Status::Failed},
        {"visibility of a button", form.setVisible(Control::Dal, runtime::kTrue), Status::Ok},
        {"visibility of a picture", form.setVisible(Control::Panelak, runtime::kTrue), Status::Ok},
        {"visibility of the frame", form.setVisible(Control::Frame1, runtime::kFalse), Status::Failed},
        {"visibility of the shape", form.setVisible(Control::Shape1, runtime::kFalse), Status::Failed},
        {"reading a label's visibility", form.getVisible(Control::Card1, value), Status::Ok},
        {"reading a button's visibility", form.getVisible(Control::Dal, value), Status::Failed},
    };
    for (const Case& c : cases) EXPECT_EQ(c.status, c.expected) << c.what;
}

TEST(Properties, VisibleReadsAsSixteenBitTruth) {
    RecordingReporter reporter;
    MemoryForm form{reporter};
    runtime::Truth value = 7;
    form.getVisible(Control::P, value);
    EXPECT_EQ(value, -1);
    form.getVisible(Control::Card1, value);
    EXPECT_EQ(value, 0);
    form.setVisible(Control::Card1, 1);  // any non-zero value shows
    form.getVisible(Control::Card1, value);
    EXPECT_EQ(value, -1);
}

TEST(Handlers, NamesFollowControlAndEvent) {
    EXPECT_EQ(handlerName(click(Control::Dal)), "Dál_Click");
    EXPECT_EQ(handlerName(mouseMove(Control::Card1)), "Card1_MouseMove");
    EXPECT_EQ(handlerName(kFormLoad), "Form_Load");
    EXPECT_EQ(handlerName(click(Control::Slukonv)), "Šlukonv_Click");
}

TEST(Handlers, EveryChoiceButtonHasOneAndTheSilentOnesNone) {
    int clickHandlers = 0;
    for (const Handler& h : handlers()) clickHandlers += h.trigger.event == Event::Click;
    EXPECT_EQ(clickHandlers, 34);  // 33 choices and Konec
    EXPECT_EQ(handlerFor(click(Control::Jirikov)), nullptr);
    EXPECT_EQ(handlerFor(click(Control::Rumburk)), nullptr);
    for (const Handler& h : handlers()) EXPECT_EQ(handlerFor(h.trigger), &h) << handlerName(h.trigger);
}

}  // namespace
}  // namespace tolm::engine
