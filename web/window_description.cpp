// Writes the layout table for the page: the page keeps no copy of it, it reads this.
#include "web/window_description.h"

#include <cstdio>
#include <optional>
#include <string_view>
#include <variant>

#include "content/message.h"
#include "content/picture.h"
#include "content/text.h"
#include "engine/story.h"
#include "layout/focus.h"
#include "layout/layout.h"
#include "layout/reading.h"
#include "layout/typography.h"
#include "web/json.h"

namespace tolm::web {
namespace {

using namespace layout;

std::string_view kindName(Kind kind) {
    switch (kind) {
        case Kind::Label: return "label";
        case Kind::Button: return "button";
        case Kind::PictureBox: return "picture";
        case Kind::Frame: return "frame";
        case Kind::Shape: return "shape";
    }
    return "";
}

std::string_view regionName(Region region) {
    switch (region) {
        case Region::Bar: return "bar";
        case Region::Picture: return "picture";
        case Region::Story: return "story";
        case Region::Choices: return "choices";
        case Region::Deeds: return "deeds";
        case Region::Inventory: return "inventory";
    }
    return "";
}

void font(Json& j, const Font& f) {
    j.raw("{");
    j.key("family", true);
    j.string(freeFamily(f.family));
    j.key("px");
    j.number(pixelSize(f));
    j.key("weight");
    j.number(f.weight);
    j.key("lineHeight");
    j.number(lineHeight(pixelSize(f)));
    j.raw("}");
}

// An RGB colour as the page writes it.
std::string colour(const Rgb& rgb) {
    char css[8];
    std::snprintf(css, sizeof css, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return css;
}

// A background: an RGB colour, or the name of a system colour the style sheet defines.
std::string colour(const BackColour& back) {
    if (const auto* rgb = std::get_if<Rgb>(&back)) return colour(*rgb);
    return std::get<SystemColour>(back) == SystemColour::AppWorkspace ? "workspace" : "face";
}

void control(Json& j, const ControlRow& row) {
    j.raw("{");
    j.key("name", true);
    j.string(controlName(row.control));
    j.key("kind");
    j.string(kindName(row.kind));
    j.key("inFrame");
    j.raw(row.in == Container::Frame1 ? "true" : "false");
    j.key("rect");
    j.raw("[");
    j.number(toPixels(row.rect.left));
    for (int v : {row.rect.top, row.rect.width, row.rect.height}) {
        j.raw(",");
        j.number(toPixels(v));
    }
    j.raw("]");
    j.key("visible");
    j.raw(row.visibleAtStart ? "true" : "false");
    if (const auto* key = std::get_if<content::Text>(&row.caption)) {
        j.key("caption");
        j.string(content::text(*key));
    }
    if (const auto* picture = std::get_if<content::Picture>(&row.caption)) {
        j.key("picture");
        j.string("pic-" + std::to_string(static_cast<int>(*picture) + 1) + ".png");
        j.key("alt");
        j.string(content::text(content::altText(*picture)));
    }
    if (row.kind == Kind::Shape) {
        j.key("alt");
        j.string(content::text(content::Text::A15));
    }
    if (row.font) {
        j.key("font");
        font(j, *row.font);
    }
    if (row.kind == Kind::Frame && row.font) {
        j.key("outlineTop");
        j.number(frameOutlineTop(pixelSize(*row.font)));
    }
    const Slot slot = readingSlot(row.control);
    j.key("region");
    j.string(regionName(slot.region));
    j.key("slot");
    j.raw("{");
    j.key("row", true);
    j.number(slot.row);
    j.key("rows");
    j.number(slot.rows);
    j.key("column");
    j.number(slot.column);
    j.raw("}");
    if (engine::captionChangesInPlay(row.control)) {
        j.key("announced");
        j.raw("true");
    }
    j.key("back");
    j.string(colour(row.back));
    if (row.fore) {
        j.key("fore");
        j.string(colour(*row.fore));
    }
    if (row.tooltip) {
        j.key("tooltip");
        j.string(content::text(*row.tooltip));
    }
    const auto description = engine::descriptionShownBy(row.control);
    if (description) {
        j.key("description");
        j.string(content::text(*description));
    }
    // What a long press shows where no pointer can rest: the tooltip, or what the card is.
    if (row.tooltip || description) {
        j.key("hint");
        j.string(content::text(row.tooltip ? *row.tooltip : *description));
    }
    j.key("tab");
    j.number(row.tab);
    j.raw("}");
}

// The reading layout's figures, for the build to write into the page's style sheet.
void reading(Json& j) {
    j.raw("{");
    j.key("belowWidth", true);
    j.number(readingBelowWidth());
    j.key("belowHeight");
    j.number(readingBelowHeight());
    j.key("storyPx");
    j.number(kReadingStoryPixels);
    j.key("textPx");
    j.number(kReadingTextPixels);
    j.key("buttonPx");
    j.raw("[");
    j.number(kReadingButtonPixels[0]);
    j.raw(",");
    j.number(kReadingButtonPixels[1]);
    j.raw("]");
    j.key("lineSpacing");
    j.number(kReadingLineSpacing);
    j.key("target");
    j.number(kTouchTarget);
    j.key("longPressMs");
    j.number(kLongPressMilliseconds);
    j.key("outlineTop");
    j.number(frameOutlineTop(kReadingTextPixels));
    j.key("pictureZoom");
    j.number(static_cast<double>(content::kPictureWidth) / toPixels(rowOf(Control::Picture1).rect.width));
    j.raw("}");
}

// The game's languages, each named in its own words, and the page's words around the window in
// the language the game speaks: its end screen, its error dialogs' words, the switch's name, its
// description and its line for a browser without JavaScript.
void languages(Json& j) {
    using content::Message;
    j.key("language");
    j.string(content::languageCode(content::language()));
    j.key("languages");
    j.raw("[");
    for (std::size_t i = 0; i < content::languageCount(); ++i) {
        const content::Language l = content::languageAt(i);
        j.raw(i ? ",{" : "{");
        j.key("code", true);
        j.string(content::languageCode(l));
        j.key("name");
        j.string(content::message(Message::LanguageName, l));
        j.raw("}");
    }
    j.raw("]");
    j.key("words");
    j.raw("{");
    const std::pair<std::string_view, Message> words[] = {
        {"gameOver", Message::GameOver}, {"thanks", Message::ThanksForPlaying}, {"playAgain", Message::PlayAgain},
        {"ok", Message::Ok}, {"languages", Message::Languages}, {"description", Message::PageDescription},
        {"cannotLoad", Message::CannotLoad}, {"loadAgain", Message::LoadAgain}, {"noScript", Message::NoScript}};
    for (const auto& [name, message] : words) {
        j.key(name, name == words[0].first);
        j.string(content::message(message));
    }
    j.raw("}");
}

}  // namespace

std::string windowDescription() {
    Json j;
    j.raw("{");
    j.key("title", true);
    j.string(kWindowTitle);
    languages(j);
    j.key("width");
    j.number(toPixels(kRestoredClientArea.width));
    j.key("height");
    j.number(toPixels(kRestoredClientArea.height));
    j.key("font");
    font(j, kWindowFont);
    // The page's own order is the tab order, which is also the order a screen reader reads in.
    j.key("readingOrder");
    j.raw("[");
    for (const Control c : readingOrder()) {
        if (c != readingOrder().front()) j.raw(",");
        j.number(static_cast<int>(indexOf(c)));
    }
    j.raw("]");
    j.key("reading");
    reading(j);
    // The keys that walk the tab chain, in the order of the arrows the module's tolm_arrow takes.
    j.key("arrows");
    j.raw(R"(["ArrowUp","ArrowDown","ArrowLeft","ArrowRight"])");
    // The keys that choose, by the browser's names for them, in the order of layout::ChoosingKey
    // that the module's tolm_key_press and tolm_key_release take.
    j.key("choosingKeys");
    j.raw(R"(["Space","Enter","NumpadEnter"])");
    j.key("controls");
    j.raw("[");
    for (const ControlRow& row : kLayout) {
        if (row.control != kLayout.front().control) j.raw(",");
        control(j, row);
    }
    j.raw("]}");
    return j.take();
}

}  // namespace tolm::web
