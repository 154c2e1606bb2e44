// The file formats the drawings are written in: BMP pictures, icon images, the .ico file,
// the icon group of the Windows resources, and PNG for the desktop's icon theme.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tools/pictures/canvas.h"

namespace tolm::pictures {

using Bytes = std::vector<std::uint8_t>;

// A 4-bit BMP: bottom-up, uncompressed, the sixteen colours as its colour table.
Bytes bmpFile(const Canvas& picture);

// One image of an icon: BITMAPINFOHEADER of twice the height, colour table, colour bits,
// then the mask, whose set bits mark the clear pixels. At 1 bit a pixel the canvas may hold
// only black and white.
struct IconImage {
    int size;  // width and height
    int bitsPerPixel;
    Bytes bytes;
};
IconImage iconImage(const Canvas& image, int bitsPerPixel);

// The .ico file: its directory, then the images in the order given.
Bytes iconFile(std::span<const IconImage> images);

// The icon group resource: the same directory with each image's resource id in place of
// its file offset.
Bytes iconGroup(std::span<const IconImage> images, std::span<const std::uint16_t> ids);

// An 8-bit RGBA PNG, deflated; clear pixels are transparent.
Bytes pngFile(const Canvas& image);

// A 4-bit indexed PNG of an opaque picture, its palette the sixteen colours in their stored
// order and its pixels deflated: the same pixels as bmpFile() at a fraction of the bytes, for
// the web page.
Bytes indexedPngFile(const Canvas& picture);

}  // namespace tolm::pictures
