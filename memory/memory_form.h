// The window held in memory: visibility and captions in plain arrays, with the real window's
// property rules. The tests, the explorer and random play run on it, and so does the page.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "content/text.h"
#include "layout/access.h"
#include "runtime/form.h"

namespace tolm::memory {

using runtime::Reporter;
using runtime::Status;
using runtime::Truth;

// Told of every change as it is made: how the page follows the story.
class Listener {
public:
    virtual ~Listener() = default;
    virtual void shown(Control c, bool visible) = 0;
    virtual void captioned(Control c, std::string_view text) = 0;
    virtual void ended(int exitStatus) = 0;
};

class MemoryForm : public runtime::Form {
public:
    // Built as the window opens: visibility and captions from the layout, before Form_Load.
    explicit MemoryForm(Reporter& reporter, Listener* listener = nullptr);

    Status setVisible(Control c, Truth value) override;
    Status getVisible(Control c, Truth& value) override;
    Status setCaption(Control c, std::string_view text) override;
    Status getCaption(Control c, std::string& text) override;
    void end(int exitStatus) override;
    bool ended() const override { return exitStatus_.has_value(); }

    bool visible(Control c) const { return visible_[indexOf(c)]; }
    const std::bitset<kControlCount>& visibility() const { return visible_; }
    std::string caption(Control c) const { return std::string(captionText(c)); }
    // The caption without a copy; it stays valid until the caption is set again.
    std::string_view captionText(Control c) const;
    // The game's own constant text that the caption shows, if it shows one. Texts that two keys
    // share give the first of them.
    std::optional<content::Text> captionKey(Control c) const { return keys_[indexOf(c)]; }
    std::optional<int> exitStatus() const { return exitStatus_; }

    // Tells the listener every label's caption again, as it reads now: after the game's language
    // has changed, each of the game's own texts in the new one. Play's state stays as it is.
    void retellCaptions();

    // Makes the property operation `count` operations from now fail (1: the next one), as a
    // broken control would.
    void failOperationAfter(int count) { failIn_ = count; }

    // All that play changes, by value: a tool walking the game goes back to an earlier
    // moment with it instead of replaying the way there. Taking one into an old snapshot
    // reuses its storage.
    class Snapshot {
        friend class MemoryForm;
        std::bitset<kControlCount> visible_;
        std::array<std::optional<content::Text>, kControlCount> keys_;
        std::vector<std::pair<Control, std::string>> made_;
        std::int16_t purse_ = 0;
        std::optional<int> exitStatus_;
    };
    void snapshot(Snapshot& into) const;
    void restore(const Snapshot& s);

private:
    bool allowed(Control c, layout::Operation op);

    Listener* listener_;
    std::bitset<kControlCount> visible_;
    // A caption is one of the game's constant texts, held by key so that setting it copies
    // nothing, or text made while playing (the purse's digits), held in made_.
    std::array<std::optional<content::Text>, kControlCount> keys_;
    std::array<std::string, kControlCount> made_;
    std::optional<int> exitStatus_;
    int failIn_ = 0;
};

}  // namespace tolm::memory
