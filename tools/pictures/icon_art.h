// The program icon, drawn at each of its sizes and depths.
#pragma once

#include <array>

#include "tools/pictures/canvas.h"

namespace tolm::pictures {

// size 32 or 16; a monochrome drawing uses black and white only. Clear pixels are
// transparent in the icon.
Canvas drawIcon(int size, bool monochrome);

// The sizes of the desktop's icon theme, each drawn for its size: 16 and 32 are the
// program icon's own colour images.
inline constexpr std::array<int, 6> kThemeIconSizes{16, 32, 48, 64, 128, 256};
Canvas drawThemeIcon(int size);

}  // namespace tolm::pictures
