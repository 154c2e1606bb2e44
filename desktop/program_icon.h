// The program icon for the window's title bar, read from the .ico file built into the program.
#pragma once

#include <QIcon>
#include <QImage>
#include <cstdint>
#include <span>
#include <vector>

namespace tolm::desktop {

// Every image of an .ico file whose images are uncompressed bitmaps of 1, 4 or 8 bits a pixel
// with a mask, in the file's order; nothing for any other file.
std::vector<QImage> iconImages(std::span<const std::uint8_t> icoFile);

// The richest image of each size of the program icon.
QIcon programIcon();

}  // namespace tolm::desktop
