// The layout's fonts as Qt fonts, with the installed substitute behind each family.
#pragma once

#include <QFont>

#include "layout/layout.h"

namespace tolm::desktop {

// Sizes are points at 96 dpi, so the pixel size is fixed whatever the screen reports.
QFont qtFont(const layout::Font& font);

// The installed family that stands in for a layout family.
QString substituteFamily(layout::Family family);

}  // namespace tolm::desktop
