// The game on the headless window, played the way a player can: only visible buttons.
#pragma once

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/story.h"
#include "headless/recording_reporter.h"
#include "memory/memory_form.h"

namespace tolm::testing {

struct HeadlessGame {
    headless::RecordingReporter reporter;
    memory::MemoryForm form{reporter};

    HeadlessGame() { engine::raise(form, engine::kFormLoad); }

    void choose(Control c) {
        if (!form.visible(c)) throw std::logic_error("no player can choose the hidden " + std::string(controlName(c)));
        engine::raise(form, engine::click(c));
    }

    void play(const std::vector<Control>& path) {
        for (Control c : path) choose(c);
    }

    // Puts money in the purse the way the window holds it: the purse and its display agree.
    void setPurse(std::int16_t value) {
        form.setPurse(value);
        form.setCaption(Control::penize, std::to_string(value));
    }

    std::string story() const { return form.caption(Control::P); }
    std::string shownPurse() const { return form.caption(Control::penize); }

    std::set<Control> visibleControls() const {
        std::set<Control> shown;
        for (std::size_t i = 0; i < kControlCount; ++i)
            if (form.visible(controlAt(i))) shown.insert(controlAt(i));
        return shown;
    }
};

}  // namespace tolm::testing
