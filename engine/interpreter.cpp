// Runs a handler: each step through the form, at once, in order; the first failure ends it.
#include <limits>

#include "engine/story.h"
#include "runtime/convert.h"

namespace tolm::engine {
namespace {

using runtime::Form;
using runtime::Int16Result;
using runtime::Range;
using runtime::Status;

constexpr double kFare = 8.0;

// The purse never wraps or crashes the game: past either end of its range it stays at that end.
std::int16_t saturated(Int16Result r) {
    switch (r.range) {
        case Range::AboveMax: return std::numeric_limits<std::int16_t>::max();
        case Range::BelowMin: return std::numeric_limits<std::int16_t>::min();
        case Range::Inside: break;
    }
    return r.value;
}

class Runner {
public:
    explicit Runner(Form& form) : form_(form) {}

    Outcome run(std::span<const Step> steps) {
        bool skippingChain = false;
        for (const Step& step : steps) {
            if (step.guards != Guards::Chain) skippingChain = false;
            if (skippingChain) continue;
            bool passed = true;
            if (!test(step.condition, passed)) return Outcome::Failed;
            if (!passed) {
                skippingChain = step.guards == Guards::Chain;
                continue;
            }
            if (!perform(step)) return Outcome::Failed;
            if (form_.ended()) return Outcome::Ended;
        }
        return Outcome::Done;
    }

private:
    bool fail(const runtime::RuntimeError& error) {
        form_.fail(error);
        return false;
    }

    bool check(Status status) { return status == Status::Ok || fail(runtime::propertyError()); }

    // False when reading the state failed; the outcome of the test is in `passed`.
    bool test(const Condition& c, bool& passed) {
        const std::int16_t purse = form_.purse();
        switch (c.test) {
            case Test::None: passed = true; return true;
            case Test::PurseIs: passed = purse == c.bound; return true;
            case Test::PurseAbove: passed = purse > c.bound; return true;
            case Test::PurseBelow: passed = purse < c.bound; return true;
            case Test::VisibleIs: {
                Truth visible = runtime::kFalse;
                if (!check(form_.getVisible(c.control, visible))) return false;
                passed = visible == c.expected;
                return true;
            }
        }
        return true;
    }

    bool perform(const Step& s) {
        switch (s.action) {
            case Action::Show: return check(form_.setVisible(s.control, runtime::kTrue));
            case Action::Hide: return check(form_.setVisible(s.control, runtime::kFalse));
            case Action::Story:
            case Action::Describe: return check(form_.setCaption(s.control, content::text(s.text)));
            case Action::AddToPurse: form_.setPurse(saturated(runtime::add(form_.purse(), s.amount))); return true;
            case Action::EmptyPurse: form_.setPurse(0); return true;
            case Action::ShowPurse: return check(form_.setCaption(Control::penize, runtime::toText(form_.purse())));
            case Action::Fare: return payFare();
            case Action::EndProgram: form_.end(runtime::kExitNormal); return true;
        }
        return true;
    }

    // The fare is reckoned from what the purse shows, not from the purse itself.
    bool payFare() {
        std::string shown;
        if (!check(form_.getCaption(Control::penize, shown))) return false;
        std::optional<double> money = runtime::toNumber(shown);
        if (!money) return fail(runtime::typeMismatchError());
        std::optional<double> left = runtime::subtract(*money, kFare);
        if (!left) return fail(runtime::floatingPointError());
        form_.setPurse(saturated(runtime::toInt16(*left)));
        return true;
    }

    Form& form_;
};

}  // namespace

Outcome run(const Handler& handler, Form& form) { return Runner(form).run(handler.list()); }

const Handler* handlerFor(Trigger trigger) {
    for (const Handler& h : handlers())
        if (h.trigger == trigger) return &h;
    return nullptr;
}

std::optional<content::Text> descriptionShownBy(Control c) {
    const Handler* handler = handlerFor(mouseMove(c));
    if (!handler) return std::nullopt;
    for (const Step& step : handler->list())
        if (step.action == Action::Describe) return step.text;
    return std::nullopt;
}

bool captionChangesInPlay(Control c) {
    for (const Handler& handler : handlers())
        for (const Step& step : handler.list())
            if (step.control == c &&
                (step.action == Action::Story || step.action == Action::Describe || step.action == Action::ShowPurse))
                return true;
    return false;
}

std::string handlerName(Trigger trigger) {
    std::string name{trigger.control ? controlName(*trigger.control) : "Form"};
    switch (trigger.event) {
        case Event::Load: return name + "_Load";
        case Event::Click: return name + "_Click";
        case Event::MouseMove: return name + "_MouseMove";
    }
    return name;
}

void raise(Form& form, Trigger trigger) {
    if (form.ended()) return;
    if (const Handler* h = handlerFor(trigger)) run(*h, form);
}

}  // namespace tolm::engine
