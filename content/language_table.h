// A table of texts in every language, built while compiling: the Czech as written, every other
// language from its translations, which must cover the table's keys, each from its Czech as it
// stands now. The program keeps only the texts as shown, end to end.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "content/short_words.h"
#include "content/translations.inc"

namespace tolm::content::language_table {

inline constexpr std::size_t kLanguages = kLanguageCodes.size();

// Czech binds its one-letter words to the next word where a line may wrap (a window, a page, a
// manual); a terminal's lines are laid out by hand and stay as written. Other languages are shown
// as translated.
enum class Typography : bool { AsWritten, CzechOneLetterWords };

struct Written {
    std::string_view key;
    std::string_view czech;
    Typography typography = Typography::CzechOneLetterWords;
};

template <std::size_t Keys>
constexpr std::size_t keyIndex(const std::array<Written, Keys>& table, std::string_view key) {
    for (std::size_t k = 0; k < Keys; ++k)
        if (table[k].key == key) return k;
    return Keys;
}

template <std::size_t Keys, std::size_t N>
constexpr bool translatesOnlyItsKeys(const std::array<Written, Keys>& table, const std::array<Translation, N>& all) {
    for (const Translation& t : all)
        if (keyIndex(table, t.key) == Keys || t.language == 0 || t.language >= kLanguages) return false;
    return true;
}

template <std::size_t Keys, std::size_t N>
constexpr bool translatesTheCurrentCzech(const std::array<Written, Keys>& table,
                                         const std::array<Translation, N>& all) {
    for (const Translation& t : all)
        if (keyIndex(table, t.key) < Keys && table[keyIndex(table, t.key)].czech != t.czech) return false;
    return true;
}

// An empty text stays empty in every language, and has no translation.
template <std::size_t Keys, std::size_t N>
constexpr bool translatesEveryKeyOnce(const std::array<Written, Keys>& table, const std::array<Translation, N>& all) {
    for (std::size_t language = 1; language < kLanguages; ++language)
        for (const Written& w : table) {
            std::size_t found = 0;
            for (const Translation& t : all) found += t.language == language && t.key == w.key;
            if (found != (w.czech.empty() ? 0 : 1)) return false;
        }
    return true;
}

template <std::size_t N>
constexpr std::string_view translated(const Written& w, std::size_t language, const std::array<Translation, N>& all) {
    for (const Translation& t : all)
        if (t.language == language && t.key == w.key) return t.text;
    return w.czech;
}

template <std::size_t Keys, std::size_t N>
constexpr std::size_t shownSize(const std::array<Written, Keys>& table, const std::array<Translation, N>& all) {
    std::size_t size = 0;
    for (const Written& w : table) {
        size += w.typography == Typography::CzechOneLetterWords ? boundSize(w.czech) : w.czech.size();
        for (std::size_t language = 1; language < kLanguages; ++language) size += translated(w, language, all).size();
    }
    return size;
}

template <std::size_t Size, std::size_t Keys>
struct Shown {
    std::array<char, Size> bytes{};
    std::array<std::array<std::size_t, Keys + 1>, kLanguages> starts{};

    constexpr std::string_view at(std::size_t language, std::size_t key) const {
        const std::size_t from = starts[language][key];
        return {bytes.data() + from, starts[language][key + 1] - from};
    }
};

template <std::size_t Size, std::size_t Keys, std::size_t N>
constexpr Shown<Size, Keys> shown(const std::array<Written, Keys>& table, const std::array<Translation, N>& all) {
    Shown<Size, Keys> s;
    char* out = s.bytes.data();
    for (std::size_t language = 0; language < kLanguages; ++language) {
        for (std::size_t k = 0; k < Keys; ++k) {
            s.starts[language][k] = static_cast<std::size_t>(out - s.bytes.data());
            if (language == 0 && table[k].typography == Typography::CzechOneLetterWords) {
                out = bindOneLetterWords(table[k].czech, out);
            } else {
                for (char c : language == 0 ? table[k].czech : translated(table[k], language, all)) *out++ = c;
            }
        }
        s.starts[language][Keys] = static_cast<std::size_t>(out - s.bytes.data());
    }
    return s;
}

}  // namespace tolm::content::language_table
