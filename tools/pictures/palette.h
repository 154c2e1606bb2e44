// The sixteen colours every picture and icon image is drawn in, in their stored order.
#pragma once

#include <array>
#include <cstdint>

namespace tolm::pictures {

enum class Colour : std::uint8_t {
    Black,
    Maroon,
    Green,
    Olive,
    Navy,
    Purple,
    Teal,
    Silver,
    Grey,
    Red,
    Lime,
    Yellow,
    Blue,
    Fuchsia,
    Aqua,
    White,
};

inline constexpr std::size_t kColourCount = 16;

struct Rgb {
    std::uint8_t red, green, blue;
};

// The index of a colour is its place in this table and in every colour table written.
inline constexpr std::array<Rgb, kColourCount> kPalette{{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

inline constexpr Rgb rgb(Colour c) { return kPalette[static_cast<std::size_t>(c)]; }

}  // namespace tolm::pictures
