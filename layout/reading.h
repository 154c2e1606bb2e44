// The page's reading layout for small screens: the window's places become one column of slots.
#pragma once

#include <cstdint>

#include "layout/layout.h"

namespace tolm::layout {

// The story's text in the window may not shrink below this: a window too small for it is read
// in the column instead. Phones upright or sideways, narrow windows and a browser's zoom all get
// there.
inline constexpr int kReadingBelowPixels = 14;

// The least height and width of anything a finger taps in the column, in CSS pixels.
inline constexpr int kTouchTarget = 48;

// A touch held this long shows a control's hint instead of pressing it.
inline constexpr int kLongPressMilliseconds = 500;

// The column's parts, top to bottom: a bar with the purse and Konec, set apart from the choices
// so that a slip of the thumb does not end the game; the front picture; the story; the choices;
// the deeds; the inventory.
enum class Region : std::uint8_t { Bar, Picture, Story, Choices, Deeds, Inventory };

// Where a control sits in the column. Controls that share a place in the window share a slot,
// and keep their stacking there. Rows count from 1 across the whole column (the inventory's
// children count inside the frame); a slot spans `rows` rows. Column 0 is the column's whole
// width; the bar's controls stand side by side in columns 1, 2 and 3.
struct Slot {
    Region region;
    int row;
    int rows = 1;
    int column = 0;
};

Slot readingSlot(Control c);

// The width and height of a window, in CSS pixels, below which the window's story text would be
// drawn smaller than kReadingBelowPixels.
double readingBelowWidth();
double readingBelowHeight();

}  // namespace tolm::layout
