// The drawings of the scene pictures, one for each row of content/scene_pictures.def.
#pragma once

#include "content/picture.h"
#include "tools/pictures/canvas.h"

namespace tolm::pictures {

// The whole picture, content::kPictureWidth by content::kPictureHeight; its subject lies in the
// top-left corner its box shows, the rest continues the scene.
Canvas drawScene(content::Picture key);

}  // namespace tolm::pictures
