// Which spaces the game turns into no-break spaces, on small texts made to show each case.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "content/short_words.h"

namespace tolm::content {
namespace {

std::string bound(std::string_view s) {
    std::string out;
    bindOneLetterWords(s, std::back_inserter(out));
    return out;
}

struct Case {
    const char* what;
    std::string_view written;
    std::string_view shown;
};

constexpr Case kCases[] = {
    {"a capital at the start, and a chain of two", "V kapse a v lednici", "V\u00A0kapse a\u00A0v\u00A0lednici"},
    {"every one of the eight", "k s v z o u a i", "k\u00A0s\u00A0v\u00A0z\u00A0o\u00A0u\u00A0a\u00A0i"},
    {"after a quotation mark", "„A co ty?“", "„A\u00A0co ty?“"},
    {"before a number", "z roku 1998", "z\u00A0roku 1998"},
    {"the last letter of a word", "Pepa plakal, Jiřina taky", "Pepa plakal, Jiřina taky"},
    {"the last letter of a word after a Czech letter", "růža kvete, babička spí", "růža kvete, babička spí"},
    {"a one-letter word that binds nothing", "vitamín B je", "vitamín B je"},
    {"before punctuation", "ty a, on i.", "ty a, on i."},
    {"at the end, even before a last blank", "on a ", "on a "},
    {"before a second blank", "a  b", "a  b"},
};

TEST(OneLetterWords, AreBoundToTheNextWordAndNothingElseIs) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(bound(c.written), c.shown);
        EXPECT_EQ(boundSize(c.written), c.shown.size());
    }
}

}  // namespace
}  // namespace tolm::content
