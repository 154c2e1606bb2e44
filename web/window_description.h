// The window as the page builds it: the layout table, its texts and the cards' descriptions, as JSON.
#pragma once

#include <string>

namespace tolm::web {

// One object, in the language the game speaks: the window's title, size and font, the languages
// and the page's own words, and "controls", one entry per row of the layout in window order.
std::string windowDescription();

}  // namespace tolm::web
