// The layout's fonts as Qt fonts, drawn in the free faces the layout names.
#pragma once

#include <QFont>

#include "desktop/scene_scale.h"
#include "layout/layout.h"

namespace tolm::desktop {

// Sizes are points at 96 dpi, so the pixel size is fixed whatever the screen reports, and then
// scaled with the scene: text is laid out afresh at its new size, never stretched.
QFont qtFont(const layout::Font& font, const SceneScale& scale = {});

// The free family a layout family is drawn in, whatever else is installed.
QString substituteFamily(layout::Family family);

}  // namespace tolm::desktop
