// Which language the game speaks, and which one a locale or a code asks for.
#include "content/language.h"

#include "content/translations.inc"

namespace tolm::content {
namespace {

Language chosen = kCzech;

// "en_GB.UTF-8", "en-GB" and "en@euro" all name English.
std::string_view codeOf(std::string_view name) { return name.substr(0, name.find_first_of("_-.@")); }

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

}  // namespace

std::size_t languageCount() { return kLanguageCodes.size(); }

Language languageAt(std::size_t i) { return static_cast<Language>(i); }

std::string_view languageCode(Language l) { return kLanguageCodes[static_cast<std::size_t>(l)]; }

std::optional<Language> languageNamed(std::string_view name) {
    const std::string_view code = codeOf(name);
    for (std::size_t i = 0; i < kLanguageCodes.size(); ++i)
        if (sameLetters(code, kLanguageCodes[i])) return languageAt(i);
    return std::nullopt;
}

Language languageOfLocale(const Locale& locale) {
    if (!locale.language.empty()) {
        std::string_view list = locale.language;
        while (!list.empty()) {
            const std::size_t colon = list.find(':');
            if (const auto l = languageNamed(list.substr(0, colon))) return *l;
            list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        }
        return kCzech;
    }
    for (const std::string_view variable : {locale.all, locale.messages, locale.lang})
        if (!variable.empty()) return languageNamed(variable).value_or(kCzech);
    return kCzech;
}

void useLanguage(Language l) { chosen = l; }

Language language() { return chosen; }

}  // namespace tolm::content
