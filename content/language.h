// The languages the game speaks: Czech, in which it is written, and each one translated in po/.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tolm::content {

// A language by its place in the game's list, which the build makes from po/*.po; Czech is first.
enum class Language : std::uint8_t {};
inline constexpr Language kCzech{0};

std::size_t languageCount();
Language languageAt(std::size_t i);
// Its two-letter code: "cs", "en".
std::string_view languageCode(Language l);

// The language a code names, also where a region or an encoding follows the code, as in a locale
// ("en_GB.UTF-8") or a browser's tag ("en-GB"); nothing for a language the game does not speak.
std::optional<Language> languageNamed(std::string_view name);

// The locale's variables as the environment has them, empty when unset.
struct Locale {
    std::string_view language, all, messages, lang;  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
};

// The language a desktop's locale asks for: the first of the variables that is set decides,
// LANGUAGE by the first language of its list that the game speaks. Czech when it names none.
Language languageOfLocale(const Locale& locale);

// The language every text comes in from now on, for the whole game: the desktop chooses it once,
// the page whenever the player switches.
void useLanguage(Language l);
Language language();

}  // namespace tolm::content
