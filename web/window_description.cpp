// Writes the layout table for the page: the page keeps no copy of it, it reads this.
#include "web/window_description.h"

#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
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
#include "runtime/json.h"

namespace tolm::web {
namespace {

using namespace layout;

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
    j.beginObject();
    j.field("family", freeFamily(f.family));
    j.field("px", pixelSize(f));
    j.field("weight", f.weight);
    j.field("lineHeight", lineHeight(pixelSize(f)));
    j.endObject();
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
    j.beginObject();
    j.field("name", controlName(row.control));
    j.field("kind", kindName(row.kind));
    j.field("inFrame", row.in == Container::Frame1);
    j.key("rect");
    j.beginArray();
    for (const int v : {row.rect.left, row.rect.top, row.rect.width, row.rect.height}) j.number(toPixels(v));
    j.endArray();
    j.field("visible", row.visibleAtStart);
    if (const auto* key = std::get_if<content::Text>(&row.caption)) j.field("caption", content::text(*key));
    if (const auto* picture = std::get_if<content::Picture>(&row.caption)) {
        j.field("picture", std::string(content::pictureRow(*picture).stem) + ".png");
        j.field("alt", content::text(content::altText(*picture)));
    }
    if (row.kind == Kind::Shape) j.field("alt", content::text(content::Text::A15));
    if (row.font) {
        j.key("font");
        font(j, *row.font);
    }
    if (row.kind == Kind::Frame && row.font) j.field("outlineTop", frameOutlineTop(pixelSize(*row.font)));
    const Slot slot = readingSlot(row.control);
    j.field("region", regionName(slot.region));
    j.key("slot");
    j.beginObject();
    j.field("row", slot.row);
    j.field("rows", slot.rows);
    j.field("column", slot.column);
    j.endObject();
    if (engine::captionChangesInPlay(row.control)) j.field("announced", true);
    j.field("back", colour(row.back));
    if (row.fore) j.field("fore", colour(*row.fore));
    if (row.tooltip) j.field("tooltip", content::text(*row.tooltip));
    const auto description = engine::descriptionShownBy(row.control);
    if (description) j.field("description", content::text(*description));
    // What a long press shows where no pointer can rest: the tooltip, or what the card is.
    if (row.tooltip || description) j.field("hint", content::text(row.tooltip ? *row.tooltip : *description));
    j.field("tab", row.tab);
    j.endObject();
}

// The reading layout's figures, for the build to write into the page's style sheet.
void reading(Json& j) {
    j.beginObject();
    j.field("belowWidth", readingBelowWidth());
    j.field("belowHeight", readingBelowHeight());
    j.field("storyPx", kReadingStoryPixels);
    j.field("textPx", kReadingTextPixels);
    j.key("buttonPx");
    j.beginArray();
    for (const int px : kReadingButtonPixels) j.number(px);
    j.endArray();
    j.field("lineSpacing", kReadingLineSpacing);
    j.field("target", kTouchTarget);
    j.field("longPressMs", kLongPressMilliseconds);
    j.field("outlineTop", frameOutlineTop(kReadingTextPixels));
    j.field("pictureZoom", static_cast<double>(content::kPictureWidth) / toPixels(rowOf(Control::Picture1).rect.width));
    j.endObject();
}

// The game's languages, each named in its own words, and the page's words around the window in
// the language the game speaks: its end screen, its error dialogs' words, the switch's name, its
// description and its line for a browser without JavaScript.
void languages(Json& j) {
    using content::Message;
    j.field("language", content::languageCode(content::language()));
    j.key("languages");
    j.beginArray();
    for (std::size_t i = 0; i < content::languageCount(); ++i) {
        const content::Language l = content::languageAt(i);
        j.beginObject();
        j.field("code", content::languageCode(l));
        j.field("name", content::message(Message::LanguageName, l));
        j.endObject();
    }
    j.endArray();
    j.key("words");
    j.beginObject();
    const std::pair<std::string_view, Message> words[] = {
        {"gameOver", Message::GameOver},     {"thanks", Message::ThanksForPlaying},
        {"playAgain", Message::PlayAgain},   {"ok", Message::Ok},
        {"languages", Message::Languages},   {"description", Message::PageDescription},
        {"cannotLoad", Message::CannotLoad}, {"loadAgain", Message::LoadAgain},
        {"noScript", Message::NoScript}};
    for (const auto& [name, message] : words) j.field(name, content::message(message));
    j.endObject();
}

void strings(Json& j, std::string_view name, std::initializer_list<std::string_view> values) {
    j.key(name);
    j.beginArray();
    for (const std::string_view value : values) j.string(value);
    j.endArray();
}

}  // namespace

std::string windowDescription() {
    Json j;
    j.beginObject();
    j.field("title", kWindowTitle);
    languages(j);
    j.field("width", toPixels(kRestoredClientArea.width));
    j.field("height", toPixels(kRestoredClientArea.height));
    j.key("font");
    font(j, kWindowFont);
    // The page's own order is the tab order, which is also the order a screen reader reads in.
    j.key("readingOrder");
    j.beginArray();
    for (const Control c : readingOrder()) j.number(static_cast<int>(indexOf(c)));
    j.endArray();
    j.key("reading");
    reading(j);
    // The keys that walk the tab chain, in the order of the arrows the module's tolm_arrow takes.
    strings(j, "arrows", {"ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight"});
    // The keys that choose, by the browser's names for them, in the order of layout::ChoosingKey
    // that the module's tolm_key_press and tolm_key_release take.
    strings(j, "choosingKeys", {"Space", "Enter", "NumpadEnter"});
    j.key("controls");
    j.beginArray();
    for (const ControlRow& row : kLayout) control(j, row);
    j.endArray();
    j.endObject();
    return j.take();
}

}  // namespace tolm::web
