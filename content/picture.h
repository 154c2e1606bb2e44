// The scene pictures, each a Windows BMP held inside the program; their rows are in
// scene_pictures.def.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "content/text.h"

namespace tolm::content {

// PIC-1 .. PIC-14, in the window order of the picture boxes that hold them.
enum class Picture : std::uint8_t {
#define TOLM_PICTURE(key, stem, spoken) key,
#include "content/scene_pictures.def"
#undef TOLM_PICTURE
};

struct PictureRow {
    Picture key;
    std::string_view stem;  // the drawn file's name without its extension
    Text spoken;            // what a screen reader says for the picture
};

inline constexpr auto kPictures = std::to_array<PictureRow>({
#define TOLM_PICTURE(key, stem, spoken) {Picture::key, stem, Text::spoken},
#include "content/scene_pictures.def"
#undef TOLM_PICTURE
});

inline constexpr std::size_t kPictureCount = kPictures.size();

// Every picture's size in pixels.
inline constexpr int kPictureWidth = 757;
inline constexpr int kPictureHeight = 552;
// A picture box shows only this much of its picture, from the top-left corner: the subject of
// every scene is drawn there, the rest continues the scene.
inline constexpr int kPictureSeenWidth = 185;
inline constexpr int kPictureSeenHeight = 233;

constexpr const PictureRow& pictureRow(Picture key) { return kPictures[static_cast<std::size_t>(key)]; }

// What a screen reader says for the picture.
constexpr Text altText(Picture key) { return pictureRow(key).spoken; }

// The picture's whole BMP file, as built into the executable.
std::span<const std::uint8_t> pictureFile(Picture key);

}  // namespace tolm::content
