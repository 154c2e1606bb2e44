// A scene picture read in place from its BMP file: four bits a pixel, the rows where the file has them.
#pragma once

#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>
#include <span>

namespace tolm::desktop {

// Holds no pixels of its own: the rows are read from the file whenever a part is painted, so
// start-up copies nothing and only the pages of a picture that is shown are ever read in. The
// file must outlive the picture; the game's pictures are built into the program.
class ScenePicture {
public:
    // An uncompressed BMP of four bits a pixel with all sixteen colours; a null picture for any
    // other file.
    static ScenePicture read(std::span<const std::uint8_t> file);

    bool isNull() const { return width_ == 0; }
    QSize size() const { return {width_, height_}; }

    // The pixels of `area` (cut to the picture) in their colours, ready to draw.
    QImage pixels(QRect area) const;

    // The picture enlarged or shrunk `factor` times, the part that falls on `area`. Enlarged,
    // each pixel takes the colour of the picture pixel under its centre, so the pixel art keeps
    // hard edges at every factor, with no blur; shrunk, the mean of the picture pixels it covers.
    QImage pixels(QRect area, double factor) const;

private:
    // Row y counted from the top: two pixels a byte, the left one in the high half.
    const std::uint8_t* row(int y) const;
    QRgb colourAt(int column, const std::uint8_t* row) const;

    int width_ = 0;
    int height_ = 0;
    std::size_t rowBytes_ = 0;
    // A BMP of positive height stores its bottom row first.
    bool bottomUp_ = false;
    std::span<const std::uint8_t> rows_;
    std::array<QRgb, 16> colours_{};
};

}  // namespace tolm::desktop
