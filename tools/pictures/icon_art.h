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

// The page's icons, for a phone's home screen and an installed page's window: the theme's
// drawing at each of these sizes, and the bee and its house on a sky that fills the square, for
// launchers that cut every icon to a shape of their own.
inline constexpr std::array<int, 2> kWebIconSizes{192, 512};
inline constexpr int kMaskableIconSize = 512;
Canvas drawMaskableIcon(int size);

}  // namespace tolm::pictures
