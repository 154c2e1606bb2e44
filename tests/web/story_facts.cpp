// Prints the story's playthroughs from the desktop tests' own table as JSON, so the browser
// tests play the same games and expect the same endings; with --texts, every story text and
// description instead, for the tests that each fits its label and that a card shows its own.
// With --lang CODE first, the words are in that language.
#include <cstdio>
#include <string_view>

#include "runtime/json.h"
#include "tests/support/story_cases.h"

using namespace tolm;

namespace {

void printTexts() {
    Json j;
    const auto list = [&j](const char* name, content::Text first, content::Text last) {
        j.key(name);
        j.beginArray();
        for (auto key = static_cast<int>(first); key <= static_cast<int>(last); ++key) {
            const auto text = static_cast<content::Text>(key);
            j.beginObject();
            j.field("key", content::keyName(text));
            j.field("text", content::text(text));
            j.endObject();
        }
        j.endArray();
    };
    j.beginObject();
    list("story", content::Text::T00, content::Text::T34);
    list("descriptions", content::Text::D1, content::Text::D4);
    list("tooltips", content::Text::H01, content::Text::H13);
    j.endObject();
    std::puts(j.take().c_str());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 2 && std::string_view(argv[1]) == "--lang") {
        const auto language = content::languageNamed(argv[2]);
        if (!language) return 2;
        content::useLanguage(*language);
        argc -= 2;
        argv += 2;
    }
    if (argc > 1 && std::string_view(argv[1]) == "--texts") {
        printTexts();
        return 0;
    }
    Json j;
    j.beginArray();
    for (const testing::Playthrough& p : testing::playthroughs()) {
        j.beginObject();
        j.field("ending", p.ending);
        j.key("steps");
        j.beginArray();
        for (const auto& [choice, purse] : p.steps) {
            j.beginArray();
            j.string(controlName(choice));
            j.string(purse);
            j.endArray();
        }
        j.endArray();
        j.field("story", content::text(*p.lastStory));
        j.key("buttonsLeft");
        j.beginArray();
        for (const Control c : p.buttonsLeft) j.string(controlName(c));
        j.endArray();
        j.endObject();
    }
    j.endArray();
    std::puts(j.take().c_str());
}
