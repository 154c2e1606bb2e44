// The fourteen scene pictures, drawn by tools/pictures during the build and held here.
#include "content/picture.h"

#include <array>
#include <cstdint>

#include "content/embed.h"

namespace tolm::content {

TOLM_EMBED(pic_1, "pic-1.bmp");
TOLM_EMBED(pic_2, "pic-2.bmp");
TOLM_EMBED(pic_3, "pic-3.bmp");
TOLM_EMBED(pic_4, "pic-4.bmp");
TOLM_EMBED(pic_5, "pic-5.bmp");
TOLM_EMBED(pic_6, "pic-6.bmp");
TOLM_EMBED(pic_7, "pic-7.bmp");
TOLM_EMBED(pic_8, "pic-8.bmp");
TOLM_EMBED(pic_9, "pic-9.bmp");
TOLM_EMBED(pic_10, "pic-10.bmp");
TOLM_EMBED(pic_11, "pic-11.bmp");
TOLM_EMBED(pic_12, "pic-12.bmp");
TOLM_EMBED(pic_13, "pic-13.bmp");
TOLM_EMBED(pic_14, "pic-14.bmp");

std::span<const std::uint8_t> pictureFile(Picture key) {
    static const std::array<std::span<const std::uint8_t>, kPictureCount> files{
        TOLM_EMBEDDED(pic_1),  TOLM_EMBEDDED(pic_2),  TOLM_EMBEDDED(pic_3),  TOLM_EMBEDDED(pic_4),
        TOLM_EMBEDDED(pic_5),  TOLM_EMBEDDED(pic_6),  TOLM_EMBEDDED(pic_7),  TOLM_EMBEDDED(pic_8),
        TOLM_EMBEDDED(pic_9),  TOLM_EMBEDDED(pic_10), TOLM_EMBEDDED(pic_11), TOLM_EMBEDDED(pic_12),
        TOLM_EMBEDDED(pic_13), TOLM_EMBEDDED(pic_14),
    };
    return files[static_cast<std::size_t>(key)];
}

}  // namespace tolm::content
