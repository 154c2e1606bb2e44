// The program icon as a whole .ico file (three images), for the window's title bar.
#pragma once

#include <cstdint>
#include <span>

namespace tolm::content {

// The same three images as the program file's icon group, drawn by tools/pictures.
std::span<const std::uint8_t> programIconFile();

}  // namespace tolm::content
