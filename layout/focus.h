// Where the keyboard focus goes: the tab chain, the arrow keys, and the focus after a choice.
#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <span>

#include "runtime/control.h"

namespace tolm::layout {

// Which controls are visible now, in window order.
using Shown = std::bitset<kControlCount>;

// The buttons in rising tab position: the order Tab walks, and the order the page reads in.
std::span<const Control> tabChain();

// Every control in the order a screen reader meets it: the tab chain's order, with the
// controls that have no tab position (the shape) last.
std::span<const Control> readingOrder();

enum class Arrow : std::uint8_t { Up, Down, Left, Right };

// The arrows walk the same chain as Tab, round it, over every visible button: the buttons of
// one row lie on top of each other, so a step by geometry would go nowhere.
std::optional<Control> afterArrow(Control from, Arrow arrow, const Shown& shown);

// Whether the control is in front at its place: no shown control earlier in window order
// overlaps it. Only the front one is seen there, and a click there goes to it.
bool inFront(Control c, const Shown& shown);

// A covered button that holds the keyboard focus is drawn in front of its place, for as long as
// it holds the focus, so that what has the focus can be seen and what is seen is clicked: both
// front-ends draw the focused button in front.

// Where the focus starts: on the first choice shown. Konec is no choice: it takes the focus only
// when no choice is left, so a player pressing on never ends the game unawares.
std::optional<Control> firstFocus(const Shown& shown);

// After an event: a choice that hid the focused button hands the focus on to the next choice
// shown in tab order that is in front at its place, or to Konec when none is left. A covered
// choice gets the focus only by Tab or the arrows, so a player of the mouse never sees the
// stacking change. For the same reason a focused button that a choice has left covered hands the
// focus on too, unless it is the one pressed: a screen reader's press leaves the focus where it
// was, and a leftover holding it would be drawn in front, in the way of the choice a click there
// means. Nothing moves while the focused button stays shown and in front, after any other event
// (pressed: none), or when no button had the focus.
std::optional<Control> focusAfterEvent(std::optional<Control> focused, std::optional<Control> pressed,
                                       const Shown& shown);

}  // namespace tolm::layout
