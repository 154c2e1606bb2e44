// The fourteen scene pictures, each a Windows BMP held inside the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "content/text.h"

namespace tolm::content {

// PIC-1 .. PIC-14, in the window order of the picture boxes that hold them.
enum class Picture : std::uint8_t {
    PIC_1, PIC_2, PIC_3, PIC_4, PIC_5, PIC_6, PIC_7,
    PIC_8, PIC_9, PIC_10, PIC_11, PIC_12, PIC_13, PIC_14,
};

inline constexpr std::size_t kPictureCount = 14;

// Every picture's size in pixels; a picture box shows only its top-left corner.
inline constexpr int kPictureWidth = 757;
inline constexpr int kPictureHeight = 552;

// What a screen reader says for the picture.
constexpr Text altText(Picture key) { return static_cast<Text>(static_cast<std::size_t>(Text::A01) + static_cast<std::size_t>(key)); }

// The picture's whole BMP file, as built into the executable.
std::span<const std::uint8_t> pictureFile(Picture key);

}  // namespace tolm::content
