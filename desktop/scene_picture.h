// A scene picture decoded from its BMP file into memory, four bits a pixel, rows from the top.
#pragma once

#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tolm::desktop {

class ScenePicture {
public:
    // An uncompressed BMP of four bits a pixel with all sixteen colours; a null picture for any
    // other file.
    static ScenePicture decode(std::span<const std::uint8_t> file);

    bool isNull() const { return width_ == 0; }
    QSize size() const { return {width_, height_}; }

    // The pixels of `area` (cut to the picture) in their colours, ready to draw.
    QImage pixels(QRect area) const;

    // The picture enlarged or shrunk `factor` times, the part that falls on `area`. Enlarged,
    // each pixel takes the colour of the picture pixel under its centre, so the pixel art keeps
    // hard edges at every factor, with no blur; shrunk, the mean of the picture pixels it covers.
    QImage pixels(QRect area, double factor) const;

private:
    QRgb colourAt(int column, const std::uint8_t* row) const;

    int width_ = 0;
    int height_ = 0;
    std::size_t stride_ = 0;
    // Two pixels a byte, the left one in the high half, as the file keeps them: half the memory
    // of one byte a pixel, for pictures of which a box only ever shows a corner.
    std::vector<std::uint8_t> nibbles_;
    std::array<QRgb, 16> colours_{};
};

}  // namespace tolm::desktop
