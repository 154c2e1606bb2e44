// One physical press of a key that chooses takes one choice, whatever the keyboard sends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layout/key_presses.h"

namespace tolm::layout {
namespace {

using enum ChoosingKey;

enum class Event { Press, RepeatPress, Release, RepeatRelease, ChoiceRan, Forget };

struct Step {
    Event event;
    ChoosingKey key;
    bool passes;  // what the rule answers for a key event; ignored for the others
};

struct Case {
    std::string what;
    std::vector<Step> steps;
};

TEST(KeyPresses, LetThroughOnePressPerPhysicalPress) {
    using enum Event;
    const Case cases[] = {
        {"a held key's bare repeats press nothing; after its release it presses again",
         {{Press, Return, true},
          {Press, Return, false},
          {Press, Return, false},
          {Release, Return, true},
          {Press, Return, true}}},
        {"repeats the toolkit marks, releases and presses, press nothing",
         {{Press, Space, true}, {RepeatRelease, Space, false}, {RepeatPress, Space, false}, {Release, Space, true}}},
        {"a Space that was down when a choice ran lets go without choosing, once",
         {{Press, Space, true},
          {ChoiceRan, Space, false},
          {Release, Space, false},
          {Press, Space, true},
          {Release, Space, true}}},
        {"a choice spends every key down, and only those",
         {{Press, Return, true},
          {Press, Space, true},
          {ChoiceRan, Space, false},
          {Release, Return, false},
          {Press, Enter, true},
          {Release, Space, false},
          {Release, Enter, true}}},
        {"each key is held on its own",
         {{Press, Return, true},
          {Press, Enter, true},
          {Press, Return, false},
          {Release, Enter, true},
          {Press, Return, false}}},
        {"a release whose press went to another window acts", {{Release, Space, true}}},
        {"keys down when the keyboard went elsewhere press anew on return",
         {{Press, Space, true},
          {ChoiceRan, Space, false},
          {Forget, Space, false},
          {Press, Space, true},
          {Release, Space, true}}},
    };
    for (const Case& c : cases) {
        KeyPresses presses;
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& s = c.steps[i];
            bool passed = false;
            switch (s.event) {
                case Press: passed = presses.press(s.key, false); break;
                case RepeatPress: passed = presses.press(s.key, true); break;
                case Release: passed = presses.release(s.key, false); break;
                case RepeatRelease: passed = presses.release(s.key, true); break;
                case ChoiceRan: presses.choiceRan(); continue;
                case Forget: presses.forget(); continue;
            }
            EXPECT_EQ(passed, s.passes) << c.what << ", step " << i + 1;
        }
    }
}

}  // namespace
}  // namespace tolm::layout
