// Every state that play can reach, found breadth first by running the story on the headless window.
#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "content/text.h"
#include "engine/story.h"
#include "runtime/control.h"

namespace tolm::explore {

// The game's whole state between two events. The display (peníze) is not kept: between
// events it shows the purse, which the exploration checks after every move.
struct State {
    std::bitset<kControlCount> visible;
    std::optional<content::Text> story;        // P; nothing if P shows a text the story does not have
    std::optional<content::Text> description;  // Popis; E0 while it is empty
    std::int16_t purse = 0;

    friend bool operator==(const State&, const State&) = default;
};

struct StateHash {
    std::size_t operator()(const State& s) const;
};

// The visibility as two words, controls 0..63 and 64..69: cheap to hash and to order.
std::pair<std::uint64_t, std::uint64_t> wordsOf(const std::bitset<kControlCount>& visible);

// Something the player can do: click a button, or move the pointer over a control or the bare window.
struct Event {
    engine::Trigger trigger;
    std::optional<Control> control;        // the button or label it happens on; nothing for the bare window
    const engine::Handler* handler;        // nothing: it changes nothing (Jiříkov, Rumburk)
    std::bitset<kControlCount> coveredBy;  // the controls that hide its centre from the pointer when shown

    bool isClick() const { return trigger.event == engine::Event::Click; }
    bool byMouse(const std::bitset<kControlCount>& visible) const { return (coveredBy & visible).none(); }
};

enum class Reach : std::uint8_t { Mouse, KeyboardOnly };

// Where a move that leaves the game goes instead of a state.
inline constexpr std::uint32_t kProgramEnd = UINT32_MAX;        // Konec
inline constexpr std::uint32_t kRuntimeError = UINT32_MAX - 1;  // a handler failed
inline constexpr std::uint32_t kNoMove = UINT32_MAX;

struct Move {
    std::uint32_t from;
    std::uint32_t to;
    std::uint8_t event;
    Reach reach;

    bool leavesGame() const { return to >= kRuntimeError; }
    bool changes() const { return to != from; }

    friend bool operator==(const Move&, const Move&) = default;
};

// Something the story did that the game must never do, and the state it did it from.
struct Fault {
    std::string what;
    std::optional<std::uint32_t> state;  // nothing: at start-up, or of the story as a whole

    friend bool operator==(const Fault&, const Fault&) = default;
};

struct Exploration {
    std::span<const engine::Handler> story;
    std::vector<Event> events;
    std::vector<State> states;  // breadth-first order; the start, after Form_Load, is first
    // Per state, the last move of a shortest way there with the fewest keyboard moves (kNoMove
    // for the start); it leaves a state that was found before.
    std::vector<std::uint32_t> foundBy;
    std::vector<Move> moves;                // grouped by the state they leave, in the order of states
    std::vector<std::uint32_t> movesStart;  // per state, where its moves begin; one more for the end
    std::vector<Fault> faults;              // runtime errors and captions that break the state model

    const Event& eventOf(const Move& m) const { return events[m.event]; }
    std::span<const Move> movesFrom(std::uint32_t state) const {
        return std::span(moves).subspan(movesStart[state], movesStart[state + 1] - movesStart[state]);
    }
    // "Dál", "pointer over Card1": what the player does.
    std::string eventName(const Move& m) const;
    // The moves from the start to a state, along a shortest way.
    std::vector<std::uint32_t> pathTo(std::uint32_t state) const;
    // The moves by name, a move that needs the keyboard marked so: "Vyjít, Jít, Zpět (keyboard)".
    std::string describe(const std::vector<std::uint32_t>& path) const;
};

// Every event the player can cause on this window with this story.
std::vector<Event> eventsOf(std::span<const engine::Handler> story);

// Explores from the start state; `story` is the game's own handler table unless a test changes it,
// and must outlive the exploration.
Exploration explore(std::span<const engine::Handler> story = engine::handlers());

}  // namespace tolm::explore
