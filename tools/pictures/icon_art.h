// The program icon, drawn at each of its three sizes and depths.
#pragma once

#include "tools/pictures/canvas.h"

namespace tolm::pictures {

// size 32 or 16; a monochrome drawing uses black and white only. Clear pixels are
// transparent in the icon.
Canvas drawIcon(int size, bool monochrome);

}  // namespace tolm::pictures
