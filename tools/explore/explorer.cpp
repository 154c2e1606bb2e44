// The breadth-first walk: one headless window, put back to each state before each move.
#include "tools/explore/explorer.h"

#include <algorithm>
#include <charconv>

#include "content/message.h"
#include "headless/recording_reporter.h"
#include "layout/layout.h"
#include "memory/memory_form.h"

namespace tolm::explore {
namespace {

using layout::Kind;
using layout::Twips;
using memory::MemoryForm;

const engine::Handler* find(std::span<const engine::Handler> story, engine::Trigger t) {
    for (const engine::Handler& h : story)
        if (h.trigger == t) return &h;
    return nullptr;
}

// Where a control lies in the window: the frame's children are placed inside Frame1.
Twips windowRect(Control c) {
    Twips r = layout::rowOf(c).rect;
    if (layout::rowOf(c).in == layout::Container::Frame1) {
        const Twips& frame = layout::rowOf(Control::Frame1).rect;
        r.left += frame.left;
        r.top += frame.top;
    }
    return r;
}

bool contains(const Twips& r, int x, int y) {
    return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
}

// Stacking, front first: window order, except that the frame's children lie in front of the
// frame itself (and so behind every control that comes before the frame).
std::pair<std::size_t, std::size_t> stackPosition(Control c) {
    if (layout::rowOf(c).in == layout::Container::Frame1) return {indexOf(Control::Frame1), indexOf(c)};
    return {indexOf(c), kControlCount};
}

std::bitset<kControlCount> coveringCentre(Control c) {
    const Twips r = windowRect(c);
    const int x = r.left + r.width / 2;
    const int y = r.top + r.height / 2;
    std::bitset<kControlCount> cover;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Control d = controlAt(i);
        // The outline shape takes no pointer events.
        if (d == c || layout::rowOf(d).kind == Kind::Shape) continue;
        if (stackPosition(d) < stackPosition(c) && contains(windowRect(d), x, y)) cover.set(i);
    }
    return cover;
}

std::optional<content::Text> descriptionKey(const MemoryForm& form) {
    // Popis opens with no text at all, which is what E0 is.
    if (!form.captionKey(Control::Popis) && form.captionText(Control::Popis).empty()) return content::Text::E0;
    return form.captionKey(Control::Popis);
}

bool displayShowsPurse(const MemoryForm& form) {
    char digits[8];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, form.purse());
    (void)ec;  // six characters always fit
    return form.captionText(Control::penize) == std::string_view(digits, end);
}

// The game has some seventy thousand states; a story that runs away is stopped here, before
// it fills the memory.
constexpr std::size_t kStateLimit = 1'000'000;

class Walk {
public:
    Walk(std::span<const engine::Handler> story, Exploration& out) : out_(out) {
        out_.story = story;
        out_.events = eventsOf(story);
        if (const engine::Handler* load = find(story, engine::kFormLoad)) engine::run(*load, form_);
        add(current(kNoMove), kNoMove);
    }

    // Level by level: the snapshots of one level are taken while the level before is left.
    void run() {
        for (std::uint32_t level = 0; level < out_.states.size();) {
            const auto next = static_cast<std::uint32_t>(out_.states.size());
            std::swap(leaving_, found_);
            foundCount_ = 0;
            for (std::uint32_t s = level; s < next; ++s) {
                leave(s, leaving_[s - level]);
                if (out_.states.size() > kStateLimit) {
                    out_.faults.push_back({"the story has more than " + std::to_string(kStateLimit) +
                                               " states; the exploration stopped there",
                                           std::nullopt});
                    return;
                }
            }
            level = next;
        }
    }

private:
    void leave(std::uint32_t s, const MemoryForm::Snapshot& snapshot) {
        const std::bitset<kControlCount> visible = out_.states[s].visible;
        for (std::size_t e = 0; e < out_.events.size(); ++e) {
            const Event& event = out_.events[e];
            if (event.control && !visible[indexOf(*event.control)]) continue;
            // A click can come from the keyboard; the pointer has to get there.
            const bool mouse = event.byMouse(visible);
            if (!event.isClick() && !mouse) continue;
            step(s, snapshot, static_cast<std::uint8_t>(e), mouse ? Reach::Mouse : Reach::KeyboardOnly);
        }
    }

    void step(std::uint32_t from, const MemoryForm::Snapshot& snapshot, std::uint8_t e, Reach reach) {
        // Most moves that change nothing leave the window as it was: no need to put it back.
        if (formLeftAt_ != from) form_.restore(snapshot);
        formLeftAt_ = kNoMove;
        const Event& event = out_.events[e];
        const engine::Outcome outcome = event.handler ? engine::run(*event.handler, form_) : engine::Outcome::Done;
        const auto moveIndex = static_cast<std::uint32_t>(out_.moves.size());
        if (outcome != engine::Outcome::Done) {
            const bool failed = outcome == engine::Outcome::Failed;
            out_.moves.push_back({from, failed ? kRuntimeError : kProgramEnd, e, reach});
            if (failed) fault(moveIndex, "ends the program: " + errorText());
            return;
        }
        out_.moves.push_back({from, from, e, reach});
        const State state = current(moveIndex);
        if (state == out_.states[from]) {
            formLeftAt_ = from;
            return;
        }
        out_.moves.back().to = add(state, moveIndex);
    }

    State current(std::uint32_t byMove) {
        if (!displayShowsPurse(form_)) fault(byMove, "leaves peníze not showing the purse");
        return {form_.visibility(), form_.captionKey(Control::P), descriptionKey(form_), form_.purse()};
    }

    // The index of the state, found or new.
    std::uint32_t add(const State& state, std::uint32_t byMove) {
        const std::size_t hash = StateHash{}(state);
        const auto tag = static_cast<std::uint32_t>(hash >> 32);
        std::size_t slot = hash & (slots_.size() - 1);
        for (; slots_[slot].index != kEmptySlot; slot = (slot + 1) & (slots_.size() - 1))
            if (slots_[slot].tag == tag && out_.states[slots_[slot].index] == state) return slots_[slot].index;
        if (!state.story || !state.description) fault(byMove, "leaves a caption that is none of the story's texts");
        const auto index = static_cast<std::uint32_t>(out_.states.size());
        slots_[slot] = {index, tag};
        out_.states.push_back(state);
        out_.foundBy.push_back(byMove);
        if (foundCount_ == found_.size()) found_.emplace_back();
        form_.snapshot(found_[foundCount_++]);
        if (2 * out_.states.size() > slots_.size()) grow();
        return index;
    }

    // Open addressing, at most half full; the tag, more bits of the hash, spares reading the
    // states that only share a slot.
    void grow() {
        std::vector<Slot> bigger(2 * slots_.size());
        for (std::uint32_t index = 0; index < out_.states.size(); ++index) {
            const std::size_t hash = StateHash{}(out_.states[index]);
            std::size_t slot = hash & (bigger.size() - 1);
            while (bigger[slot].index != kEmptySlot) slot = (slot + 1) & (bigger.size() - 1);
            bigger[slot] = {index, static_cast<std::uint32_t>(hash >> 32)};
        }
        slots_ = std::move(bigger);
    }

    std::string errorText() {
        const runtime::RuntimeError& error = reporter_.errors.back();
        std::string text = content::runtimeErrorMessage(error.number);
        std::replace(text.begin(), text.end(), '\n', ' ');
        reporter_.errors.clear();
        return text;
    }

    void fault(std::uint32_t byMove, const std::string& what) {
        if (byMove == kNoMove) {
            out_.faults.push_back({"Form_Load " + what, std::nullopt});
            return;
        }
        const Move& m = out_.moves[byMove];
        out_.faults.push_back({engine::handlerName(out_.events[m.event].trigger) + " " + what, m.from});
    }

    Exploration& out_;
    headless::RecordingReporter reporter_;
    MemoryForm form_{reporter_};
    static constexpr std::uint32_t kEmptySlot = UINT32_MAX;
    struct Slot {
        std::uint32_t index = kEmptySlot;
        std::uint32_t tag = 0;
    };
    std::vector<Slot> slots_ = std::vector<Slot>(1 << 17);
    // The window in each state of the level being left, and of the level being found.
    std::vector<MemoryForm::Snapshot> leaving_;
    std::vector<MemoryForm::Snapshot> found_;
    std::size_t foundCount_ = 0;
    std::uint32_t formLeftAt_ = kNoMove;  // the state the window is still in, if any
};

// Of the shortest ways to each state, keeps one with the fewest keyboard moves: the way a
// player is likeliest to find. A state's way leaves from the level before it, so moves taken
// level by level (their order) see every origin settled.
void preferTheMouse(Exploration& x) {
    std::vector<std::uint32_t> depth(x.states.size(), 0);
    std::vector<std::uint32_t> keys(x.states.size(), 0);
    for (std::size_t s = 1; s < x.states.size(); ++s) {
        const Move& m = x.moves[x.foundBy[s]];
        depth[s] = depth[m.from] + 1;
        keys[s] = keys[m.from] + (m.reach == Reach::KeyboardOnly);
    }
    for (std::uint32_t i = 0; i < x.moves.size(); ++i) {
        const Move& m = x.moves[i];
        if (m.leavesGame() || depth[m.to] != depth[m.from] + 1) continue;
        const std::uint32_t k = keys[m.from] + (m.reach == Reach::KeyboardOnly);
        if (k < keys[m.to]) {
            keys[m.to] = k;
            x.foundBy[m.to] = i;
        }
    }
}

}  // namespace

std::pair<std::uint64_t, std::uint64_t> wordsOf(const std::bitset<kControlCount>& visible) {
    constexpr std::bitset<kControlCount> kLow{~std::uint64_t{0}};
    return {(visible & kLow).to_ullong(), (visible >> 64).to_ullong()};
}

std::size_t StateHash::operator()(const State& s) const {
    const auto text = [](const std::optional<content::Text>& t) { return t ? std::uint64_t(*t) : std::uint64_t{0xFF}; };
    const auto [low, visibleHigh] = wordsOf(s.visible);
    const std::uint64_t high =
        visibleHigh | text(s.story) << 8 | text(s.description) << 16 | std::uint64_t(std::uint16_t(s.purse)) << 24;
    // The finaliser of MurmurHash3 spreads every input bit over the low bits that pick a slot.
    std::uint64_t h = low ^ (high * 0x9E3779B97F4A7C15ull);
    h = (h ^ (h >> 33)) * 0xFF51AFD7ED558CCDull;
    h = (h ^ (h >> 33)) * 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 33);
}

std::vector<Event> eventsOf(std::span<const engine::Handler> story) {
    std::vector<Event> events;
    for (const layout::ControlRow& row : layout::kLayout) {
        if (row.kind == Kind::Button) {
            const engine::Trigger t = engine::click(row.control);
            events.push_back({t, row.control, find(story, t), coveringCentre(row.control)});
        }
    }
    // The pointer matters only where a handler listens to it: the card labels.
    for (const engine::Handler& h : story)
        if (h.trigger.event == engine::Event::MouseMove && h.trigger.control)
            events.push_back({h.trigger, h.trigger.control, &h, coveringCentre(*h.trigger.control)});
    // The window's margin is bare in every scene, so the pointer can always get there.
    events.push_back({engine::kFormMouseMove, std::nullopt, find(story, engine::kFormMouseMove), {}});
    return events;
}

std::string Exploration::eventName(const Move& m) const {
    const Event& e = events[m.event];
    if (e.isClick()) return std::string(controlName(*e.control));
    return e.control ? "pointer over " + std::string(controlName(*e.control)) : "pointer over the window";
}

std::vector<std::uint32_t> Exploration::pathTo(std::uint32_t state) const {
    std::vector<std::uint32_t> path;
    for (std::uint32_t m = foundBy[state]; m != kNoMove; m = foundBy[moves[m].from]) path.push_back(m);
    std::ranges::reverse(path);
    return path;
}

std::string Exploration::describe(const std::vector<std::uint32_t>& path) const {
    std::string text;
    for (std::uint32_t m : path) {
        if (!text.empty()) text += ", ";
        text += eventName(moves[m]);
        if (moves[m].reach == Reach::KeyboardOnly) text += " (keyboard)";
    }
    return text.empty() ? "at the start" : text;
}

Exploration explore(std::span<const engine::Handler> story) {
    Exploration out;
    Walk walk(story, out);
    walk.run();
    out.movesStart.assign(out.states.size() + 1, 0);
    for (const Move& m : out.moves) ++out.movesStart[m.from + 1];
    for (std::size_t s = 1; s < out.movesStart.size(); ++s) out.movesStart[s] += out.movesStart[s - 1];
    preferTheMouse(out);
    return out;
}

}  // namespace tolm::explore
