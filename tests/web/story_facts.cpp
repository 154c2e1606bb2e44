// Prints the story's playthroughs from the desktop tests' own table as JSON, so the browser
// tests play the same games and expect the same endings; with --texts, every story text and
// description instead, for the tests that each fits its label and that a card shows its own.
// With --lang CODE first, the words are in that language.
#include <cstdio>
#include <string_view>

#include "tests/support/story_cases.h"
#include "web/json.h"

using namespace tolm;

namespace {

void printTexts() {
    web::Json j;
    const auto list = [&j](const char* name, content::Text first, content::Text last, bool firstKey) {
        j.key(name, firstKey);
        j.raw("[");
        for (auto key = static_cast<int>(first); key <= static_cast<int>(last); ++key) {
            const auto text = static_cast<content::Text>(key);
            j.raw(key == static_cast<int>(first) ? "{" : ",{");
            j.key("key", true);
            j.string(content::keyName(text));
            j.key("text");
            j.string(content::text(text));
            j.raw("}");
        }
        j.raw("]");
    };
    j.raw("{");
    list("story", content::Text::T00, content::Text::T34, true);
    list("descriptions", content::Text::D1, content::Text::D4, false);
    list("tooltips", content::Text::H01, content::Text::H13, false);
    j.raw("}");
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
    web::Json j;
    j.raw("[");
    bool first = true;
    for (const testing::Playthrough& p : testing::playthroughs()) {
        j.raw(first ? "{" : ",{");
        first = false;
        j.key("ending", true);
        j.string(p.ending);
        j.key("steps");
        j.raw("[");
        for (std::size_t i = 0; i < p.steps.size(); ++i) {
            j.raw(i == 0 ? "[" : ",[");
            j.string(controlName(p.steps[i].first));
            j.raw(",");
            j.string(p.steps[i].second);
            j.raw("]");
        }
        j.raw("]");
        j.key("story");
        j.string(content::text(*p.lastStory));
        j.key("buttonsLeft");
        j.raw("[");
        for (std::size_t i = 0; i < p.buttonsLeft.size(); ++i) {
            if (i != 0) j.raw(",");
            j.string(controlName(p.buttonsLeft[i]));
        }
        j.raw("]}");
    }
    j.raw("]");
    std::puts(j.take().c_str());
}
