// Which language a code or a desktop's locale names, and that choosing one changes every text.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "content/language.h"
#include "content/message.h"
#include "content/text.h"

namespace tolm::content {
namespace {

const Language kEnglish = languageNamed("en").value();
// "xx" is a code no language has: a language the game does not speak, whatever po/ holds.

TEST(Language, CzechComesFirstAndEnglishIsThere) {
    EXPECT_EQ(languageCode(kCzech), "cs");
    EXPECT_EQ(languageAt(0), kCzech);
    EXPECT_EQ(languageCode(kEnglish), "en");
    ASSERT_GE(languageCount(), 2U);
}

struct Named {
    const char* name;
    std::optional<Language> language;
};

TEST(Language, IsNamedByItsCodeWhateverFollowsIt) {
    const Named cases[] = {
        {"en", kEnglish}, {"cs", kCzech}, {"EN", kEnglish}, {"en_GB.UTF-8", kEnglish}, {"en-GB", kEnglish},
        {"en@quot", kEnglish}, {"cs_CZ.UTF-8", kCzech}, {"eng", std::nullopt}, {"e", std::nullopt},
        {"xx_XX.UTF-8", std::nullopt}, {"C", std::nullopt}, {"POSIX", std::nullopt}, {"", std::nullopt},
        {"_en", std::nullopt},
    };
    for (const auto& [name, language] : cases) EXPECT_EQ(languageNamed(name), language) << '"' << name << '"';
}

struct LocaleCase {
    const char* what;
    Locale locale;
    Language language;
};

TEST(Language, OfTheLocaleIsTheFirstSetVariablesOrCzech) {
    const LocaleCase cases[] = {
        {"nothing set", {}, kCzech},
        {"LANG English", {"", "", "", "en_US.UTF-8"}, kEnglish},
        {"LANG Czech", {"", "", "", "cs_CZ.UTF-8"}, kCzech},
        {"LANG a language the game lacks", {"", "", "", "xx_XX.UTF-8"}, kCzech},
        {"LANG C", {"", "", "", "C.UTF-8"}, kCzech},
        {"LC_MESSAGES before LANG", {"", "", "en_GB.UTF-8", "cs_CZ.UTF-8"}, kEnglish},
        {"LC_ALL before LC_MESSAGES", {"", "cs_CZ.UTF-8", "en_GB.UTF-8", "en_GB.UTF-8"}, kCzech},
        {"LC_ALL the game lacks decides alone", {"", "xx_XX.UTF-8", "en_GB.UTF-8", ""}, kCzech},
        {"LANGUAGE before LC_ALL", {"en", "cs_CZ.UTF-8", "", ""}, kEnglish},
        {"LANGUAGE's first language the game speaks", {"xx:en:cs", "", "", ""}, kEnglish},
        {"LANGUAGE in Czech first", {"cs:en", "en_GB.UTF-8", "", ""}, kCzech},
        {"LANGUAGE naming none the game speaks", {"xx:xy", "", "", "en_GB.UTF-8"}, kCzech},
        {"LANGUAGE of empty entries", {"::en", "", "", ""}, kEnglish},
    };
    for (const auto& [what, locale, language] : cases) EXPECT_EQ(languageOfLocale(locale), language) << what;
}

// The game's language, once chosen, is the one every text and message comes in.
TEST(Language, ChosenGivesEveryTextAndMessageInIt) {
    useLanguage(kEnglish);
    const std::string story(text(Text::T00));
    const std::string said(message(Message::GameOver));
    useLanguage(kCzech);
    EXPECT_EQ(story, text(Text::T00, kEnglish));
    EXPECT_NE(story, text(Text::T00));
    EXPECT_NE(said, message(Message::GameOver));
    EXPECT_EQ(language(), kCzech);
}

TEST(Language, RuntimeErrorsAreToldInIt) {
    EXPECT_EQ(runtimeErrorMessage(6), "Chyba 6 za běhu programu:\nPřetečení");
    useLanguage(kEnglish);
    const std::string english = runtimeErrorMessage(438);
    useLanguage(kCzech);
    EXPECT_EQ(english, "Run-time error 438:\nThe control does not support this property");
}

TEST(Language, MessagesFillInTheirPlaceholders) {
    EXPECT_EQ(message(Message::UnknownLanguage, {{"language", "xx"}, {"languages", "cs, en"}}),
              "tolm: neznámý jazyk „xx“ (hra umí: cs, en)\nVíce řekne příkaz „tolm --help“.\n");
    // A value that looks like a placeholder is not filled in again.
    EXPECT_EQ(message(Message::RuntimeError, {{"number", "{number}"}}), "Chyba {number} za běhu programu:");
}

}  // namespace
}  // namespace tolm::content
