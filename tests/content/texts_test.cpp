// Every text has the length its place was made for, on one line, its one-letter words bound; in
// every language each text is a line of its own, and a translation stays near the Czech's length.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <set>
#include <string>

#include "content/text.h"

namespace tolm::content {
namespace {

// Characters are code points: "Šluknov" is seven, whatever UTF-8 makes of it.
std::size_t codePoints(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

std::u32string codePointsOf(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t cp = len == 1 ? c : c & (0x7F >> len);
        for (std::size_t k = 1; k < len && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
        out += cp;
        i += len;
    }
    return out;
}

bool validUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (len == 0 || i + len > s.size()) return false;
        for (std::size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += len;
    }
    return true;
}

struct Length {
    Text key;
    std::size_t length;
};

constexpr Length kLengths[] = {
    {Text::T00, 168}, {Text::T01, 134}, {Text::T02, 175}, {Text::T03, 51},  {Text::T04, 185}, {Text::T05, 331},
    {Text::T06, 270}, {Text::T07, 552}, {Text::T08, 592}, {Text::T09, 64},  {Text::T10, 65},  {Text::T11, 25},
    {Text::T12, 346}, {Text::T13, 616}, {Text::T14, 140}, {Text::T15, 91},  {Text::T16, 239}, {Text::T17, 592},
    {Text::T18, 233}, {Text::T19, 63},  {Text::T20, 129}, {Text::T21, 591}, {Text::T22, 491}, {Text::T23, 71},
    {Text::T24, 33},  {Text::T25, 575}, {Text::T26, 710}, {Text::T27, 590}, {Text::T28, 221}, {Text::T29, 501},
    {Text::T30, 492}, {Text::T31, 217}, {Text::T32, 338}, {Text::T33, 176}, {Text::T34, 97},  {Text::D1, 91},
    {Text::D2, 60},   {Text::D3, 60},   {Text::D4, 63},   {Text::E0, 0},    {Text::C01, 9},   {Text::C03, 16},
    {Text::C04, 15},  {Text::C05, 6},   {Text::C06, 8},   {Text::C07, 8},   {Text::C08, 7},   {Text::C09, 16},
    {Text::C10, 15},  {Text::C11, 11},  {Text::C12, 13},  {Text::C13, 13},  {Text::C14, 14},  {Text::C15, 12},
    {Text::C16, 14},  {Text::C17, 8},   {Text::C18, 13},  {Text::C19, 9},   {Text::C20, 10},  {Text::C21, 12},
    {Text::C22, 12},  {Text::C23, 14},  {Text::C24, 10},  {Text::C25, 14},  {Text::C26, 17},  {Text::C27, 5},
    {Text::C28, 16},  {Text::C29, 8},   {Text::H01, 29},  {Text::H02, 55},  {Text::H03, 29},  {Text::H04, 66},
    {Text::H05, 41},  {Text::H06, 75},  {Text::H07, 30},  {Text::H08, 50},  {Text::H09, 37},  {Text::H10, 25},
    {Text::H11, 38},  {Text::H12, 51},  {Text::H13, 63},
};

TEST(Texts, EachHasItsLengthInCharacters) {
    for (const auto& [key, length] : kLengths) {
        SCOPED_TRACE(std::string(keyName(key)));
        EXPECT_TRUE(validUtf8(text(key, kCzech)));
        EXPECT_EQ(codePoints(text(key, kCzech)), length);
    }
}

TEST(Texts, AreSingleLinesOfPrintableTextInEveryLanguage) {
    for (std::size_t l = 0; l < languageCount(); ++l)
        for (std::size_t i = 0; i < kTextCount; ++i) {
            const std::string_view s = text(static_cast<Text>(i), languageAt(l));
            SCOPED_TRACE(std::string(languageCode(languageAt(l))) + " " + std::string(keyName(static_cast<Text>(i))));
            EXPECT_TRUE(validUtf8(s));
            for (unsigned char c : s) EXPECT_GE(c, 0x20) << "control character in the text";
            EXPECT_EQ(s.empty(), static_cast<Text>(i) == Text::E0);
            if (!s.empty()) {
                EXPECT_NE(s.front(), ' ');
                EXPECT_NE(s.back(), ' ');
            }
        }
}

// English keeps the spaces it was translated with: the Czech rule binds nothing there.
TEST(Texts, EnglishBindsNoOneLetterWord) {
    const Language english = languageNamed("en").value();
    for (std::size_t i = 0; i < kTextCount; ++i)
        EXPECT_EQ(text(static_cast<Text>(i), english).find("\u00A0"), std::string_view::npos)
            << keyName(static_cast<Text>(i));
    EXPECT_NE(text(Text::T00, kCzech).find("\u00A0"), std::string_view::npos);
}

// Czech binds a one-letter preposition or conjunction to the word after it: no text may leave one
// before a plain space, where a line could end with it.
TEST(Texts, BindEachOneLetterPrepositionAndConjunctionToTheNextWord) {
    constexpr std::u32string_view oneLetterWords = U"ksvzouaiKSVZOUAI";
    constexpr std::u32string_view czechLetters = U"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
    const auto inAWord = [&](char32_t c) {
        return (c < 0x80 && std::isalnum(static_cast<int>(c))) || czechLetters.find(c) != std::u32string_view::npos;
    };
    for (std::size_t i = 0; i < kTextCount; ++i) {
        const std::u32string s = codePointsOf(text(static_cast<Text>(i), kCzech));
        for (std::size_t at = 0; at + 2 < s.size(); ++at) {
            const bool alone = at == 0 || !inAWord(s[at - 1]);
            if (alone && oneLetterWords.find(s[at]) != std::u32string_view::npos && s[at + 1] == U' ')
                ADD_FAILURE() << keyName(static_cast<Text>(i)) << ": a plain space after the word \""
                              << static_cast<char>(s[at]) << "\" at character " << at;
        }
    }
}

// A translation keeps the scene's look: each story and description stays within a quarter of the
// Czech's length either way, so that the story fills its box as it does in Czech.
TEST(Texts, TranslatedStoriesAndDescriptionsStayNearTheCzechLength) {
    for (std::size_t l = 1; l < languageCount(); ++l)
        for (auto key = static_cast<int>(Text::T00); key <= static_cast<int>(Text::D4); ++key) {
            const double czech = static_cast<double>(codePoints(text(static_cast<Text>(key), kCzech)));
            const double translated = static_cast<double>(codePoints(text(static_cast<Text>(key), languageAt(l))));
            EXPECT_GE(translated, 0.75 * czech)
                << languageCode(languageAt(l)) << " " << keyName(static_cast<Text>(key));
            EXPECT_LE(translated, 1.25 * czech)
                << languageCode(languageAt(l)) << " " << keyName(static_cast<Text>(key));
        }
}

// A scene is known by its story: two scenes must not read alike, for the player or for the explorer.
TEST(Texts, StoriesAndDescriptionsAreAllDifferentInEveryLanguage) {
    for (std::size_t l = 0; l < languageCount(); ++l) {
        std::set<std::string_view> seen;
        for (auto key = static_cast<int>(Text::T00); key <= static_cast<int>(Text::D4); ++key)
            EXPECT_TRUE(seen.insert(text(static_cast<Text>(key), languageAt(l))).second)
                << languageCode(languageAt(l)) << " " << keyName(static_cast<Text>(key));
    }
}

}  // namespace
}  // namespace tolm::content
