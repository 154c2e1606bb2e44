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
#include "tests/support/story_cases.h"

namespace {

using namespace tolm;

std::string quoted(std::string_view s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string_view kindName(layout::Kind k) {
    switch (k) {
        case layout::Kind::Label: return "label";
        case layout::Kind::Button: return "button";
        case layout::Kind::PictureBox: return "picture";
        case layout::Kind::Frame: return "frame";
        case layout::Kind::Shape: return "shape";
    }
    return "";
}

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
std::string frontPicture(const memory::MemoryForm& form) {
    const layout::Twips place = inWindow(layout::rowOf(Control::Picture1));
    for (const layout::ControlRow& row : layout::kLayout) {
        const layout::Twips r = inWindow(row);
        const bool overlaps = r.left < place.left + place.width && place.left < r.left + r.width &&
                              r.top < place.top + place.height && place.top < r.top + r.height;
        if (row.kind == layout::Kind::PictureBox && overlaps && form.visible(row.control) &&
            layout::inFront(row.control, form.visibility()))
            return quoted(controlName(row.control));
    }
    return "null";
}

// Every ending's path as the story plays it, step by step: the choice, the shown buttons that lie
// behind another one before it is made, the story after it (its words and its key), the purse
// shown, whether the choice stays shown, and the picture in front. An ending reached again by
// another way is marked "again".
std::string scenes() {
    std::string json = ",\n\"endings\": [\n";
    const std::vector<testing::Playthrough> all = testing::playthroughs();
    std::vector<std::optional<content::Text>> reached;
    for (const testing::Playthrough& p : all) {
        headless::RecordingReporter reporter;
        memory::MemoryForm form{reporter};
        engine::raise(form, engine::kFormLoad);
        const bool again = std::find(reached.begin(), reached.end(), p.lastStory) != reached.end();
        reached.push_back(p.lastStory);
        json += "{\"ending\": " + quoted(p.ending) + ", \"again\": " + (again ? "true" : "false") + ", \"steps\": [";
        for (const auto& [choice, purse] : p.steps) {
            std::string behind;
            for (const layout::ControlRow& row : layout::kLayout)
                if (row.kind == layout::Kind::Button && form.visible(row.control) && !layout::inFront(row.control, form.visibility()))
                    behind += (behind.empty() ? "" : ", ") + quoted(controlName(row.control));
            engine::raise(form, engine::click(choice));
            const auto key = form.captionKey(Control::P);
            json += std::string(&choice == &p.steps.front().first ? "" : ",\n  ") + "{\"choice\": " +
                    quoted(controlName(choice)) + ", \"covered\": [" + behind + "], \"story\": " +
                    quoted(form.captionText(Control::P)) + ", \"key\": " + (key ? quoted(content::keyName(*key)) : "null") +
                    ", \"purse\": " + quoted(form.captionText(Control::penize)) +
                    ", \"stays\": " + (form.visible(choice) ? "true" : "false") + ", \"front\": " + frontPicture(form) + "}";
        }
        json += std::string("]}") + (&p == &all.back() ? "" : ",") + "\n";
    }
    return json + "]";
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::string_view(argv[1]) == "--lang") {
        const auto language = content::languageNamed(argv[2]);
        if (!language) return 2;
        content::useLanguage(*language);
    }
    std::string json = "{\"title\": " + quoted(layout::kWindowTitle) + ", \"client\": [" +
                       std::to_string(layout::toPixels(layout::kRestoredClientArea.width)) + ", " +
                       std::to_string(layout::toPixels(layout::kRestoredClientArea.height)) + "],\n\"controls\": [\n";
    for (const layout::ControlRow& row : layout::kLayout) {
        const layout::Twips r = inWindow(row);
        json += "{\"name\": " + quoted(controlName(row.control)) + ", \"kind\": " + quoted(kindName(row.kind)) +
                ", \"rect\": [" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
                std::to_string(r.width) + ", " + std::to_string(r.height) + "], \"shownAtStart\": " +
                (row.visibleAtStart ? "true" : "false") + ", \"tab\": " + std::to_string(row.tab);
        if (const auto* key = std::get_if<content::Text>(&row.caption)) json += ", \"caption\": " + quoted(content::text(*key));
        if (const auto* picture = std::get_if<content::Picture>(&row.caption)) {
            json += ", \"picture\": " + quoted(content::pictureRow(*picture).stem) +
                    ", \"altText\": " + quoted(content::text(content::altText(*picture)));
        }
        if (row.tooltip) json += ", \"tooltip\": " + quoted(content::text(*row.tooltip));
        json += row.control == Control::P ? "}\n" : "},\n";
    }
    json += "],\n\"texts\": {\n";
    for (std::size_t i = 0; i < content::kTextCount; ++i) {
        const auto key = static_cast<content::Text>(i);
        json += quoted(content::keyName(key)) + ": " + quoted(content::text(key)) + (i + 1 < content::kTextCount ? ",\n" : "\n");
    }
    json += "}" + scenes() + "}\n";
    std::fputs(json.c_str(), stdout);
}
