// The steps every handler is made of, and the words the story table is written in.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>

#include "content/text.h"
#include "runtime/control.h"
#include "runtime/form.h"

namespace tolm::engine {

using content::Text;
using runtime::Truth;

enum class Action : std::uint8_t {
    Show,        // control.Visible := True
    Hide,        // control.Visible := False
    Story,       // P.Caption := text
    Describe,    // Popis.Caption := text
    AddToPurse,  // purse += amount
    Fare,        // purse := number(peníze.Caption) - 8
    EmptyPurse,  // purse := 0
    ShowPurse,   // peníze.Caption := decimal text of the purse
    EndProgram,
};

enum class Test : std::uint8_t { None, PurseIs, PurseAbove, PurseBelow, VisibleIs };

// What a failed test skips: the one step it guards, or the rest of its chain.
enum class Guards : std::uint8_t { Step, Chain };

struct Condition {
    Test test = Test::None;
    Control control{};   // VisibleIs: whose Visible is read
    Truth expected = 0;  // VisibleIs: compared with this
    std::int16_t bound = 0;

    friend constexpr bool operator==(const Condition&, const Condition&) = default;
};

struct Step {
    Action action;
    Control control{};
    Text text{};
    std::int16_t amount = 0;
    Condition condition{};
    Guards guards = Guards::Step;

    friend constexpr bool operator==(const Step&, const Step&) = default;
};

// A few steps written as one, like "show Visit3, Visit1, Visit2".
struct Steps {
    static constexpr std::size_t kMax = 5;
    std::array<Step, kMax> items{};
    std::size_t count = 0;

    constexpr Steps(Step s) : items{s}, count(1) {}  // NOLINT: a single step is a run of one
    constexpr Steps() = default;
    constexpr void add(Step s) { items[count++] = s; }
};

template <class... C>
constexpr Steps show(C... controls) {
    Steps s;
    (s.add(Step{Action::Show, controls}), ...);
    return s;
}

template <class... C>
constexpr Steps hide(C... controls) {
    Steps s;
    (s.add(Step{Action::Hide, controls}), ...);
    return s;
}

constexpr Step story(Text key) { return {Action::Story, Control::P, key}; }
constexpr Step describe(Text key) { return {Action::Describe, Control::Popis, key}; }
constexpr Step purse(std::int16_t amount) { return {Action::AddToPurse, {}, {}, amount}; }
constexpr Step fare() { return {Action::Fare}; }
constexpr Step emptyPurse() { return {Action::EmptyPurse}; }
constexpr Step showPurse() { return {Action::ShowPurse, Control::penize}; }
constexpr Step endProgram() { return {Action::EndProgram}; }

constexpr Condition purseIs(std::int16_t n) { return {Test::PurseIs, {}, 0, n}; }
constexpr Condition purseAbove(std::int16_t n) { return {Test::PurseAbove, {}, 0, n}; }
constexpr Condition purseBelow(std::int16_t n) { return {Test::PurseBelow, {}, 0, n}; }
constexpr Condition visibleIs(Control c, Truth t) { return {Test::VisibleIs, c, t, 0}; }

// A test guards a single step; show(A, B) after a test would not read as the story means.
constexpr Step single(const Steps& s) {
    if (s.count != 1) throw "a test guards exactly one step";
    return s.items[0];
}

// The test guards only the step after it.
constexpr Step when(Condition c, const Steps& s) {
    Step step = single(s);
    step.condition = c;
    return step;
}

// The test is made again before each step of a chain; the first that fails skips the rest.
constexpr Step chained(Condition c, const Steps& s) {
    Step step = when(c, s);
    step.guards = Guards::Chain;
    return step;
}

enum class Event : std::uint8_t { Load, Click, MouseMove };

// What raised a handler: an event of a control, or of the window itself.
struct Trigger {
    Event event;
    std::optional<Control> control;

    friend constexpr bool operator==(const Trigger&, const Trigger&) = default;
};

constexpr Trigger click(Control c) { return {Event::Click, c}; }
constexpr Trigger mouseMove(Control c) { return {Event::MouseMove, c}; }
inline constexpr Trigger kFormLoad{Event::Load, std::nullopt};
inline constexpr Trigger kFormMouseMove{Event::MouseMove, std::nullopt};

struct Handler {
    static constexpr std::size_t kMaxSteps = 16;
    Trigger trigger;
    std::array<Step, kMaxSteps> steps{};
    std::size_t count = 0;

    constexpr Handler(Trigger t, std::initializer_list<Steps> runs) : trigger(t) {
        for (const Steps& run : runs)
            for (std::size_t i = 0; i < run.count; ++i) steps[count++] = run.items[i];
    }

    constexpr std::span<const Step> list() const { return {steps.data(), count}; }
};

}  // namespace tolm::engine
