// The 5 x 7 pixel letters that signs and labels in the pictures are written in.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace tolm::pictures {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kGlyphAdvance = kGlyphWidth + 1;

enum class Accent : std::uint8_t { None, Acute, Caron, Ring };

struct Glyph {
    // Row 0 is the top; bit 4 is the leftmost pixel.
    std::array<std::uint8_t, kGlyphHeight> rows;
    Accent accent;
};

// Lower case is drawn as capitals, but for the few small letters signs need (the č of „Kč“);
// a letter the font lacks gives nothing.
std::optional<Glyph> glyph(char32_t letter);

// The accent's rows, from the top, drawn so that the last one sits just above the capital.
std::array<std::uint8_t, 3> accentRows(Accent accent);

}  // namespace tolm::pictures
