// Czech typography's rule for one-letter words, applied to the texts as the game builds them.
#pragma once

#include <cstddef>
#include <string_view>

namespace tolm::content {

// A line must not end with a one-letter preposition or conjunction: the space after one is a
// no-break space, U+00A0, which is still one character, and which screen readers read as a space.
inline constexpr std::string_view kNoBreakSpace = "\u00A0";
inline constexpr std::string_view kOneLetterWords = "ksvzouaiKSVZOUAI";

namespace short_words {

constexpr bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The code point that ends just before `end`.
constexpr char32_t codePointBefore(std::string_view s, std::size_t end) {
    std::size_t start = end - 1;
    while (start > 0 && continuationByte(s[start])) --start;
    const auto lead = static_cast<unsigned char>(s[start]);
    if (lead < 0x80) return lead;
    const int tail = static_cast<int>(end - start) - 1;
    char32_t cp = lead & (0x3F >> tail);
    for (std::size_t i = start + 1; i < end; ++i) cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    return cp;
}

// Letters and digits of the Czech texts: the Latin blocks up to Latin Extended-B.
constexpr bool partOfAWord(char32_t cp) {
    if (cp < 0x80) return (cp >= '0' && cp <= '9') || (cp >= 'A' && cp <= 'Z') || (cp >= 'a' && cp <= 'z');
    return cp >= 0xC0 && cp <= 0x24F && cp != 0xD7 && cp != 0xF7;
}

}  // namespace short_words

// Whether the space at `at` follows a word of one letter from kOneLetterWords and comes before
// another word: such a space binds the two words.
constexpr bool bindsTheNextWord(std::string_view s, std::size_t at) {
    if (at == 0 || at + 1 >= s.size() || s[at] != ' ' || s[at + 1] == ' ') return false;
    if (kOneLetterWords.find(s[at - 1]) == std::string_view::npos) return false;
    return at == 1 || !short_words::partOfAWord(short_words::codePointBefore(s, at - 1));
}

// The text's size in bytes once its one-letter words are bound: each no-break space takes one
// byte more than the space it replaces.
constexpr std::size_t boundSize(std::string_view s) {
    std::size_t size = s.size();
    for (std::size_t at = 0; at < s.size(); ++at) size += bindsTheNextWord(s, at) ? kNoBreakSpace.size() - 1 : 0;
    return size;
}

// Writes the text with its one-letter words bound to `out`, which has room for boundSize(s)
// bytes; returns the end of what it wrote.
template <class Out>
constexpr Out bindOneLetterWords(std::string_view s, Out out) {
    for (std::size_t at = 0; at < s.size(); ++at) {
        if (bindsTheNextWord(s, at)) {
            for (char c : kNoBreakSpace) *out++ = c;
        } else {
            *out++ = s[at];
        }
    }
    return out;
}

}  // namespace tolm::content
