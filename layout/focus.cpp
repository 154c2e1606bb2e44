// The focus rules, read off the layout table's tab column.
#include "layout/focus.h"

#include <algorithm>
#include <array>
#include <vector>

#include "layout/layout.h"

namespace tolm::layout {
namespace {

struct Orders {
    std::array<Control, kControlCount> reading{};
    std::vector<Control> chain;

    Orders() {
        std::array<const ControlRow*, kControlCount> rows{};
        for (std::size_t i = 0; i < kControlCount; ++i) rows[i] = &kLayout[i];
        // A control without a tab position comes after every one that has one.
        const auto position = [](const ControlRow* row) { return static_cast<unsigned>(row->tab); };
        std::stable_sort(rows.begin(), rows.end(),
                         [&](const ControlRow* a, const ControlRow* b) { return position(a) < position(b); });
        for (std::size_t i = 0; i < kControlCount; ++i) {
            reading[i] = rows[i]->control;
            if (rows[i]->kind == Kind::Button) chain.push_back(rows[i]->control);
        }
    }
};

const Orders& orders() {
    static const Orders o;
    return o;
}

// The first button after `from` (or from the chain's start) in tab order, round the chain, that
// is shown and accepted.
template <class Accept>
std::optional<Control> nextInChain(std::optional<Control> from, int step, const Shown& shown, Accept accept) {
    const std::span<const Control> chain = tabChain();
    const auto n = static_cast<std::ptrdiff_t>(chain.size());
    const auto at = from ? std::find(chain.begin(), chain.end(), *from) - chain.begin() : (step > 0 ? n - 1 : 0);
    for (std::ptrdiff_t k = 1; k <= n; ++k) {
        const Control c = chain[static_cast<std::size_t>((((at + step * k) % n) + n) % n)];
        if (shown[indexOf(c)] && accept(c)) return c;
    }
    return std::nullopt;
}

bool overlap(const ControlRow& a, const ControlRow& b) {
    return a.in == b.in && a.rect.left < b.rect.left + b.rect.width && b.rect.left < a.rect.left + a.rect.width &&
           a.rect.top < b.rect.top + b.rect.height && b.rect.top < a.rect.top + a.rect.height;
}

std::optional<Control> nextChoice(std::optional<Control> from, const Shown& shown) {
    const auto seen = [&shown](Control c) { return c != Control::Konec && inFront(c, shown); };
    if (auto choice = nextInChain(from, 1, shown, seen)) return choice;
    if (shown[indexOf(Control::Konec)]) return Control::Konec;
    return std::nullopt;
}

}  // namespace

std::span<const Control> tabChain() { return orders().chain; }

bool inFront(Control c, const Shown& shown) {
    for (std::size_t i = 0; i < indexOf(c); ++i)
        if (shown[i] && kLayout[i].kind != Kind::Shape && overlap(kLayout[i], rowOf(c))) return false;
    return true;
}

std::span<const Control> readingOrder() { return orders().reading; }

std::optional<Control> afterArrow(Control from, Arrow arrow, const Shown& shown) {
    const int step = arrow == Arrow::Down || arrow == Arrow::Right ? 1 : -1;
    return nextInChain(from, step, shown, [](Control) { return true; });
}

std::optional<Control> firstFocus(const Shown& shown) { return nextChoice(std::nullopt, shown); }

std::optional<Control> focusAfterEvent(std::optional<Control> focused, std::optional<Control> pressed,
                                       const Shown& shown) {
    if (!focused) return std::nullopt;
    const bool hidden = !shown[indexOf(*focused)];
    const bool leftCovered = pressed && pressed != focused && !inFront(*focused, shown);
    if (!hidden && !leftCovered) return std::nullopt;
    return nextChoice(focused, shown);
}

}  // namespace tolm::layout
