// Scene pictures decoded from their BMP files into images of one byte a pixel.
#pragma once

#include <QImage>
#include <cstdint>
#include <span>

namespace tolm::ui {

// An uncompressed BMP of four bits a pixel with all sixteen colours, as an 8-bit indexed image
// with its top row first; a null image for any other file.
QImage decodeFourBitBmp(std::span<const std::uint8_t> file);

}  // namespace tolm::ui
