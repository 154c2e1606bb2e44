// The layout's fonts as Qt fonts, with the installed substitute behind each family.
#pragma once

#include <QFont>

#include "ui/layout.h"

namespace tolm::ui {

// Sizes are points at 96 dpi, so the pixel size is fixed whatever the screen reports.
QFont qtFont(const Font& font);

// The installed family that stands in for a layout family.
QString substituteFamily(Family family);

}  // namespace tolm::ui
