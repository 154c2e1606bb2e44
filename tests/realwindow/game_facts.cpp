// Prints the layout table and the texts as JSON, so the real-window scripts aim at the places
// and expect the words that the game itself is built from; with --lang CODE, its words in that
// language.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "content/picture.h"
#include "content/text.h"
#include "engine/story.h"
#include "headless/recording_reporter.h"
#include "layout/focus.h"
#include "layout/layout.h"
#include "memory/memory_form.h"
#include "runtime/json.h"
#include "tests/support/story_cases.h"

namespace {

using namespace tolm;

// The row's place in the window, in pixels: the frame's children sit inside Frame1.
layout::Twips inWindow(const layout::ControlRow& row) {
    layout::Twips r = row.rect;
    if (row.in == layout::Container::Frame1) {
        r.left += layout::rowOf(Control::Frame1).rect.left;
        r.top += layout::rowOf(Control::Frame1).rect.top;
    }
    return {layout::toPixels(r.left), layout::toPixels(r.top), layout::toPixels(r.width), layout::toPixels(r.height)};
}

// The picture box in front at the scene's place, if one is shown there.
std::optional<Control> frontPicture(const memory::MemoryForm& form) {
    const layout::Twips place = inWindow(layout::rowOf(Control::Picture1));
    for (const layout::ControlRow& row : layout::kLayout) {
        const layout::Twips r = inWindow(row);
        const bool overlaps = r.left < place.left + place.width && place.left < r.left + r.width &&
                              r.top < place.top + place.height && place.top < r.top + r.height;
        if (row.kind == layout::Kind::PictureBox && overlaps && form.visible(row.control) &&
            layout::inFront(row.control, form.visibility()))
            return row.control;
    }
    return std::nullopt;
}

// Every ending's path as the story plays it, step by step: the choice, the shown buttons that lie
// behind another one before it is made, the story after it (its words and its key), the purse
// shown, whether the choice stays shown, and the picture in front. An ending reached again by
// another way is marked "again".
void endings(Json& j) {
    j.key("endings");
    j.beginArray();
    std::vector<std::optional<content::Text>> reached;
    for (const testing::Playthrough& p : testing::playthroughs()) {
        headless::RecordingReporter reporter;
        memory::MemoryForm form{reporter};
        engine::raise(form, engine::kFormLoad);
        const bool again = std::find(reached.begin(), reached.end(), p.lastStory) != reached.end();
        reached.push_back(p.lastStory);
        j.beginObject();
        j.field("ending", p.ending);
        j.field("again", again);
        j.key("steps");
        j.beginArray();
        for (const auto& [choice, purse] : p.steps) {
            j.beginObject();
            j.field("choice", controlName(choice));
            j.key("covered");
            j.beginArray();
            for (const layout::ControlRow& row : layout::kLayout)
                if (row.kind == layout::Kind::Button && form.visible(row.control) &&
                    !layout::inFront(row.control, form.visibility()))
                    j.string(controlName(row.control));
            j.endArray();
            engine::raise(form, engine::click(choice));
            j.field("story", form.captionText(Control::P));
            j.key("key");
            if (const auto key = form.captionKey(Control::P))
                j.string(content::keyName(*key));
            else
                j.null();
            j.field("purse", form.captionText(Control::penize));
            j.field("stays", form.visible(choice));
            j.key("front");
            if (const auto front = frontPicture(form))
                j.string(controlName(*front));
            else
                j.null();
            j.endObject();
        }
        j.endArray();
        j.endObject();
    }
    j.endArray();
}

void control(Json& j, const layout::ControlRow& row) {
    j.beginObject();
    j.field("name", controlName(row.control));
    j.field("kind", layout::kindName(row.kind));
    const layout::Twips r = inWindow(row);
    j.key("rect");
    j.beginArray();
    for (const int v : {r.left, r.top, r.width, r.height}) j.number(v);
    j.endArray();
    j.field("shownAtStart", row.visibleAtStart);
    j.field("tab", row.tab);
    if (const auto* key = std::get_if<content::Text>(&row.caption)) j.field("caption", content::text(*key));
    if (const auto* picture = std::get_if<content::Picture>(&row.caption)) {
        j.field("picture", content::pictureRow(*picture).stem);
        j.field("altText", content::text(content::altText(*picture)));
    }
    if (row.tooltip) j.field("tooltip", content::text(*row.tooltip));
    j.endObject();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::string_view(argv[1]) == "--lang") {
        const auto language = content::languageNamed(argv[2]);
        if (!language) return 2;
        content::useLanguage(*language);
    }
    Json j;
    j.beginObject();
    j.field("title", layout::kWindowTitle);
    j.key("client");
    j.beginArray();
    j.number(layout::toPixels(layout::kRestoredClientArea.width));
    j.number(layout::toPixels(layout::kRestoredClientArea.height));
    j.endArray();
    j.key("controls");
    j.beginArray();
    for (const layout::ControlRow& row : layout::kLayout) control(j, row);
    j.endArray();
    j.key("texts");
    j.beginObject();
    for (std::size_t i = 0; i < content::kTextCount; ++i) {
        const auto key = static_cast<content::Text>(i);
        j.field(content::keyName(key), content::text(key));
    }
    j.endObject();
    endings(j);
    j.endObject();
    std::puts(j.take().c_str());
}
