// The letter table: plain capitals and digits, and the Czech letters as capital plus accent.
#include "tools/pictures/font.h"

namespace tolm::pictures {
namespace {

struct Plain {
    char letter;
    std::array<std::uint8_t, kGlyphHeight> rows;
};

constexpr Plain kPlain[] = {
    {' ', {0b00000, 0b00000, 0b00000, 0b00000, 0b00000, 0b00000, 0b00000}},
    {'A', {0b01110, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001}},
    {'B', {0b11110, 0b10001, 0b10001, 0b11110, 0b10001, 0b10001, 0b11110}},
    {'C', {0b01110, 0b10001, 0b10000, 0b10000, 0b10000, 0b10001, 0b01110}},
    {'D', {0b11110, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b11110}},
    {'E', {0b11111, 0b10000, 0b10000, 0b11110, 0b10000, 0b10000, 0b11111}},
    {'F', {0b11111, 0b10000, 0b10000, 0b11110, 0b10000, 0b10000, 0b10000}},
    {'G', {0b01110, 0b10001, 0b10000, 0b10111, 0b10001, 0b10001, 0b01111}},
    {'H', {0b10001, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001}},
    {'I', {0b01110, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110}},
    {'J', {0b00111, 0b00010, 0b00010, 0b00010, 0b00010, 0b10010, 0b01100}},
    {'K', {0b10001, 0b10010, 0b10100, 0b11000, 0b10100, 0b10010, 0b10001}},
    {'L', {0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b11111}},
    {'M', {0b10001, 0b11011, 0b10101, 0b10101, 0b10001, 0b10001, 0b10001}},
    {'N', {0b10001, 0b10001, 0b11001, 0b10101, 0b10011, 0b10001, 0b10001}},
    {'O', {0b01110, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01110}},
    {'P', {0b11110, 0b10001, 0b10001, 0b11110, 0b10000, 0b10000, 0b10000}},
    {'Q', {0b01110, 0b10001, 0b10001, 0b10001, 0b10101, 0b10010, 0b01101}},
    {'R', {0b11110, 0b10001, 0b10001, 0b11110, 0b10100, 0b10010, 0b10001}},
    {'S', {0b01111, 0b10000, 0b10000, 0b01110, 0b00001, 0b00001, 0b11110}},
    {'T', {0b11111, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100}},
    {'U', {0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01110}},
    {'V', {0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01010, 0b00100}},
    {'W', {0b10001, 0b10001, 0b10001, 0b10101, 0b10101, 0b10101, 0b01010}},
    {'X', {0b10001, 0b10001, 0b01010, 0b00100, 0b01010, 0b10001, 0b10001}},
    {'Y', {0b10001, 0b10001, 0b10001, 0b01010, 0b00100, 0b00100, 0b00100}},
    {'Z', {0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b10000, 0b11111}},
    {'0', {0b01110, 0b10001, 0b10011, 0b10101, 0b11001, 0b10001, 0b01110}},
    {'1', {0b00100, 0b01100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110}},
    {'2', {0b01110, 0b10001, 0b00001, 0b00010, 0b00100, 0b01000, 0b11111}},
    {'3', {0b11111, 0b00010, 0b00100, 0b00010, 0b00001, 0b10001, 0b01110}},
    {'4', {0b00010, 0b00110, 0b01010, 0b10010, 0b11111, 0b00010, 0b00010}},
    {'5', {0b11111, 0b10000, 0b11110, 0b00001, 0b00001, 0b10001, 0b01110}},
    {'6', {0b00110, 0b01000, 0b10000, 0b11110, 0b10001, 0b10001, 0b01110}},
    {'7', {0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b01000, 0b01000}},
    {'8', {0b01110, 0b10001, 0b10001, 0b01110, 0b10001, 0b10001, 0b01110}},
    {'9', {0b01110, 0b10001, 0b10001, 0b01111, 0b00001, 0b00010, 0b01100}},
    {'.', {0b00000, 0b00000, 0b00000, 0b00000, 0b00000, 0b01100, 0b01100}},
    {',', {0b00000, 0b00000, 0b00000, 0b00000, 0b01100, 0b00100, 0b01000}},
    {'!', {0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b00000, 0b00100}},
    {'?', {0b01110, 0b10001, 0b00001, 0b00010, 0b00100, 0b00000, 0b00100}},
    {'-', {0b00000, 0b00000, 0b00000, 0b11111, 0b00000, 0b00000, 0b00000}},
    {':', {0b00000, 0b01100, 0b01100, 0b00000, 0b01100, 0b01100, 0b00000}},
    {'/', {0b00001, 0b00010, 0b00010, 0b00100, 0b01000, 0b01000, 0b10000}},
    {'+', {0b00000, 0b00100, 0b00100, 0b11111, 0b00100, 0b00100, 0b00000}},
    {'=', {0b00000, 0b00000, 0b11111, 0b00000, 0b11111, 0b00000, 0b00000}},
};

// The few small letters that signs need in their own shape: the crown's „Kč“.
constexpr struct {
    char32_t letter;
    std::array<std::uint8_t, kGlyphHeight> rows;
} kSmall[] = {
    {U'č', {0b01010, 0b00100, 0b00000, 0b01111, 0b10000, 0b10000, 0b01111}},
};

struct Accented {
    char32_t capital;
    char32_t small;
    char base;
    Accent accent;
};

constexpr Accented kAccented[] = {
    {U'Á', U'á', 'A', Accent::Acute}, {U'Č', U'č', 'C', Accent::Caron}, {U'Ď', U'ď', 'D', Accent::Caron},
    {U'É', U'é', 'E', Accent::Acute}, {U'Ě', U'ě', 'E', Accent::Caron}, {U'Í', U'í', 'I', Accent::Acute},
    {U'Ň', U'ň', 'N', Accent::Caron}, {U'Ó', U'ó', 'O', Accent::Acute}, {U'Ř', U'ř', 'R', Accent::Caron},
    {U'Š', U'š', 'S', Accent::Caron}, {U'Ť', U'ť', 'T', Accent::Caron}, {U'Ú', U'ú', 'U', Accent::Acute},
    {U'Ů', U'ů', 'U', Accent::Ring},  {U'Ý', U'ý', 'Y', Accent::Acute}, {U'Ž', U'ž', 'Z', Accent::Caron},
};

std::optional<Glyph> plain(char base, Accent accent) {
    for (const Plain& p : kPlain) {
        if (p.letter == base) return Glyph{p.rows, accent};
    }
    return std::nullopt;
}

}  // namespace

std::optional<Glyph> glyph(char32_t letter) {
    for (const auto& small : kSmall) {
        if (letter == small.letter) return Glyph{small.rows, Accent::None};
    }
    if (letter >= U'a' && letter <= U'z') letter -= U'a' - U'A';
    if (letter < 0x80) return plain(static_cast<char>(letter), Accent::None);
    for (const Accented& a : kAccented) {
        if (letter == a.capital || letter == a.small) return plain(a.base, a.accent);
    }
    return std::nullopt;
}

std::array<std::uint8_t, 3> accentRows(Accent accent) {
    switch (accent) {
        case Accent::None: return {0, 0, 0};
        case Accent::Acute: return {0b00010, 0b00100, 0};
        case Accent::Caron: return {0b01010, 0b00100, 0};
        case Accent::Ring: return {0b00100, 0b01010, 0b00100};
    }
    return {};
}

}  // namespace tolm::pictures
