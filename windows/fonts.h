// The game's faces, carried in the program and registered for it alone, as GDI fonts at a scale.
#pragma once

#include <windows.h>

#include <map>
#include <tuple>

#include "layout/layout.h"
#include "layout/scene_scale.h"

namespace tolm::windows {

// Registers the carried faces for this process only: a machine without them, or with other faces
// under the layout's family names, draws the game the same.
void registerFaces();

// The fonts of one scale, made once each and kept until the scale changes.
class Fonts {
public:
    Fonts() = default;
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    HFONT get(const layout::Font& font, const layout::SceneScale& scale);
    // Forgets every font made so far (after the controls stop using them).
    void clear();

private:
    std::map<std::tuple<layout::Family, int, int>, HFONT> made_;
};

}  // namespace tolm::windows
