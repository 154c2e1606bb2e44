// The scene pictures, drawn by tools/pictures during the build and held here.
#include "content/picture.h"

#include <array>
#include <cstdint>

#include "content/embed.h"

namespace tolm::content {

#define TOLM_PICTURE(key, stem, spoken) TOLM_EMBED(key, stem ".bmp");
#include "content/scene_pictures.def"
#undef TOLM_PICTURE

std::span<const std::uint8_t> pictureFile(Picture key) {
    static const std::array<std::span<const std::uint8_t>, kPictureCount> files{
#define TOLM_PICTURE(key, stem, spoken) TOLM_EMBEDDED(key),
#include "content/scene_pictures.def"
#undef TOLM_PICTURE
    };
    return files[static_cast<std::size_t>(key)];
}

}  // namespace tolm::content
