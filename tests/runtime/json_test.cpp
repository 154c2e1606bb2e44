// The JSON writer places every comma itself, however the values nest, and escapes what it must.
#include <gtest/gtest.h>

#include <functional>

#include "runtime/json.h"

namespace tolm {
namespace {

struct Written {
    const char* what;
    std::function<void(Json&)> write;
    const char* expected;
};

TEST(Json, PlacesTheCommasBetweenValuesAndMembersAtEveryDepth) {
    const Written cases[] = {
        {"empty containers",
         [](Json& j) {
             j.beginArray();
             j.beginObject();
             j.endObject();
             j.beginArray();
             j.endArray();
             j.endArray();
         },
         "[{},[]]"},
        {"members of every type",
         [](Json& j) {
             j.beginObject();
             j.field("s", "a");
             j.field("n", -3);
             j.field("d", 1.5);
             j.field("b", false);
             j.endObject();
         },
         R"({"s":"a","n":-3,"d":1.5,"b":false})"},
        {"a key's value that is a container, then a member after it",
         [](Json& j) {
             j.beginObject();
             j.key("a");
             j.beginArray();
             j.number(1);
             j.number(2);
             j.endArray();
             j.key("o");
             j.beginObject();
             j.field("x", true);
             j.endObject();
             j.field("z", 0);
             j.endObject();
         },
         R"({"a":[1,2],"o":{"x":true},"z":0})"},
        {"objects in an array",
         [](Json& j) {
             j.beginArray();
             for (int i = 0; i < 3; ++i) {
                 j.beginObject();
                 j.field("i", i);
                 j.endObject();
             }
             j.endArray();
         },
         R"([{"i":0},{"i":1},{"i":2}])"},
        {"a value alone", [](Json& j) { j.string("x"); }, R"("x")"},
    };
    for (const Written& c : cases) {
        Json j;
        c.write(j);
        EXPECT_EQ(j.take(), c.expected) << c.what;
    }
}

TEST(Json, EscapesQuotesBackslashesAndControlCharactersAndKeepsUtf8) {
    Json j;
    j.beginArray();
    j.string("say \"hi\"\\");
    j.string("line\nnext\ttab");
    j.string("Dál, chi!");
    j.endArray();
    EXPECT_EQ(j.take(), R"(["say \"hi\"\\","line\u000anext\u0009tab","Dál, chi!"])");
}

}  // namespace
}  // namespace tolm
