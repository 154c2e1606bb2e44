// The fourteen scene pictures, one drawing each, in the order of their keys PIC-1..PIC-14.
#pragma once

#include <array>
#include <string_view>

#include "tools/pictures/canvas.h"

namespace tolm::pictures {

inline constexpr int kPictureWidth = 757;
inline constexpr int kPictureHeight = 552;
// A picture box shows only this much of its picture, from the top-left corner: the
// subject of every scene is drawn there, the rest continues the scene.
inline constexpr int kSeenWidth = 185;
inline constexpr int kSeenHeight = 233;

struct Scene {
    std::string_view key;  // PIC-1 .. PIC-14
    std::string_view box;  // the picture box that holds it
    void (*draw)(Canvas&);
};

extern const std::array<Scene, 14> kScenes;

Canvas drawScene(const Scene& scene);

}  // namespace tolm::pictures
