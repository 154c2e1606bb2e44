// The headless window as the explorer uses it: captions known by key, and snapshots that put it back.
#include <gtest/gtest.h>

#include <string>

#include "content/text.h"
#include "engine/story.h"
#include "headless/recording_reporter.h"
#include "memory/memory_form.h"

namespace tolm::headless {
using namespace runtime;
using memory::MemoryForm;
namespace {

using content::Text;
using content::text;
using enum Control;

struct Window : ::testing::Test {
    RecordingReporter reporter;
    MemoryForm form{reporter};
    MemoryForm::Snapshot snapshot;
    void SetUp() override { engine::raise(form, engine::kFormLoad); }
};

TEST_F(Window, KnowsTheStorysOwnTextsByTheirWordsAndShowsAnyTextAlike) {
    form.setCaption(P, text(Text::T05));
    EXPECT_EQ(form.captionKey(P), Text::T05);
    EXPECT_EQ(form.caption(P), text(Text::T05));

    // The same words from anywhere else: a copy, as a compiler that keeps equal texts apart
    // would hand them over, is still the story's text.
    const std::string copy(text(Text::T05));
    form.setCaption(P, copy);
    EXPECT_EQ(form.captionKey(P), Text::T05);
    EXPECT_EQ(form.caption(P), text(Text::T05));

    const std::string_view start = text(Text::T05).substr(0, 10);  // a piece of it is text of its own
    form.setCaption(P, start);
    EXPECT_EQ(form.captionKey(P), std::nullopt);
    EXPECT_EQ(form.caption(P), start);
    std::string read;
    form.getCaption(P, read);
    EXPECT_EQ(read, start);
}

TEST_F(Window, ComesBackFromASnapshotAsItWas) {
    form.setVisible(Dal, kTrue);
    form.setCaption(P, text(Text::T02));
    form.setCaption(Popis, "popsáno");
    form.setPurse(10400);
    form.setCaption(penize, "10400");
    form.snapshot(snapshot);

    form.setVisible(Dal, kFalse);
    form.setVisible(Visit1, kTrue);
    form.setCaption(P, "jinak");
    form.setCaption(Popis, text(Text::D1));
    form.setPurse(7);
    form.setCaption(penize, "7");
    form.end(kExitNormal);
    form.restore(snapshot);

    EXPECT_TRUE(form.visible(Dal));
    EXPECT_FALSE(form.visible(Visit1));
    EXPECT_EQ(form.captionKey(P), Text::T02);
    EXPECT_EQ(form.caption(Popis), "popsáno");
    EXPECT_EQ(form.purse(), 10400);
    EXPECT_EQ(form.caption(penize), "10400");
    EXPECT_FALSE(form.ended());
}

// The explorer takes each snapshot into the storage of an old one.
TEST_F(Window, ASnapshotTakenOverAnOlderOneHoldsOnlyItsOwnMoment) {
    form.setCaption(Popis, "starý popis");
    form.setCaption(P, "starý příběh");
    form.snapshot(snapshot);

    form.setCaption(Popis, text(Text::D2));
    form.setCaption(P, text(Text::T03));
    form.snapshot(snapshot);
    form.setCaption(Popis, "");
    form.setCaption(P, "");
    form.setCaption(penize, "99");
    form.restore(snapshot);

    EXPECT_EQ(form.caption(Popis), text(Text::D2));
    EXPECT_EQ(form.caption(P), text(Text::T03));
    EXPECT_EQ(form.caption(penize), "0");
}

}  // namespace
}  // namespace tolm::headless
