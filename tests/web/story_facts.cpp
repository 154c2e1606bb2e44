// Prints the story's playthroughs from the desktop tests' own table as JSON, so the browser
// tests play the same games and expect the same endings.
#include <cstdio>

#include "tests/support/story_cases.h"
#include "web/json.h"

using namespace tolm;

int main() {
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
