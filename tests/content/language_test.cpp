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
        {"en", kEnglish},        {"cs", kCzech},
        {"EN", kEnglish},        {"en_GB.UTF-8", kEnglish},
        {"en-GB", kEnglish},     {"en@quot", kEnglish},
        {"cs_CZ.UTF-8", kCzech}, {"eng", std::nullopt},
        {"e", std::nullopt},     {"xx_XX.UTF-8", std::nullopt},
        {"C", std::nullopt},     {"POSIX", std::nullopt},
        {"", std::nullopt},      {"_en", std::nullopt},
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
    // Czech binds its one-letter words in what a window shows; a number without a message of its
    // own is told by its number alone.
    EXPECT_EQ(runtimeErrorMessage(16), "Chyba 16 za běhu programu:\nChyba výpočtu v\u00A0plovoucí čárce");
    EXPECT_EQ(runtimeErrorMessage(6), "Chyba 6 za běhu programu:");
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

// A terminal's lines are laid out by hand: the one-letter words stay as written there.
TEST(Language, TerminalLinesKeepTheirPlainSpaces) {
    for (Message m : {Message::Help, Message::NoSession, Message::XDisplay, Message::ScaleFactor})
        EXPECT_EQ(message(m, kCzech).find("\u00A0"), std::string_view::npos) << messageName(m);
    EXPECT_NE(message(Message::Help, kCzech).find(" v jazyce"), std::string_view::npos);
}

// Whatever the user gave comes back short and harmless to a terminal: no escape sequence, no
// line break, no bidirectional override, no broken UTF-8, at most 40 characters.
TEST(Language, EchoedValuesAreCutShortAndCleaned) {
    const std::string forty(40, 'x');
    const std::string long_(128 * 1024, 'x');
    const struct {
        const char* what;
        std::string value, echoed;
    } cases[] = {
        {"a plain value", "de", "de"},
        {"empty", "", ""},
        {"escape codes", "\x1b[31mred\x1b[0m\x07", "[31mred[0m"},
        {"a line break and a carriage return", "a\nb\rc", "abc"},
        {"C1 controls and DEL", "a\u0085b\u009bc\x7f", "abc"},
        {"a bidirectional override", "a\u202Eb\u2066c", "abc"},
        {"bytes that are not UTF-8",
         "a\xff\xc3"
         "b\xed\xa0\x80"
         "c",
         "abc"},
        {"exactly forty characters", forty, forty},
        {"128 KiB", long_, std::string(39, 'x') + "…"},
        {"Czech letters cut whole", std::string(30, 'x') + "čččččččččččč", std::string(30, 'x') + "ččččččččč…"},
        {"controls do not count", forty + "\x1b\x1b", forty},
    };
    for (const auto& c : cases) EXPECT_EQ(echoed(c.value), c.echoed) << c.what;
}

}  // namespace
}  // namespace tolm::content
