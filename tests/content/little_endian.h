// Reading the little-endian fields of BMP, icon and Windows resource files, and the drawn files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <vector>

namespace tolm::testing {

using Bytes = std::vector<std::uint8_t>;

inline std::uint32_t u16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8);
}

inline std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }

inline std::int32_t i32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int32_t>(u32(b, at));
}

inline Bytes readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The folder where the build's drawing program put its files.
inline std::filesystem::path artDir() { return TOLM_ART_DIR; }

// The standard sixteen colours as red, green, blue, in the order every colour table holds them.
inline constexpr std::uint8_t kStandardPalette[16][3] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

}  // namespace tolm::testing
