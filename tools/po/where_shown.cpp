// Where each text shows, from the layout table and the story, in the words of a translator's note.
#include "tools/po/where_shown.h"

#include <variant>

#include "content/picture.h"
#include "engine/story.h"
#include "layout/layout.h"
#include "layout/typography.h"

namespace tolm::po {
namespace {

using content::Text;
using engine::Action;

std::size_t codePoints(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

std::string join(const std::string& list, std::string_view item) {
    return list.empty() ? std::string(item) : list + ", " + std::string(item);
}

// The handlers that write the text into the story box or the description.
std::string writtenBy(Text key) {
    std::string by;
    for (const engine::Handler& h : engine::handlers())
        for (const engine::Step& step : h.list())
            if ((step.action == Action::Story || step.action == Action::Describe) && step.text == key)
                by = join(by, engine::handlerName(h.trigger));
    return by;
}

std::string box(const layout::ControlRow& row) {
    std::string said = std::string(layout::kindName(row.kind)) + " " + std::string(controlName(row.control)) + " (" +
                       std::to_string(layout::toPixels(row.rect.width)) + "×" +
                       std::to_string(layout::toPixels(row.rect.height)) + " px";
    if (row.font)
        said += ", " + std::string(layout::freeFamily(row.font->family)) + " " +
                std::to_string(layout::pixelSize(*row.font)) + " px";
    return said + ")";
}

}  // namespace

std::string whereShown(Text key) {
    const std::string length =
        "Czech: " + std::to_string(codePoints(content::text(key, content::kCzech))) + " characters.";
    const std::string by = writtenBy(key);
    if (key <= Text::T34)
        return "Story text, in the story box P (" +
               std::to_string(layout::toPixels(layout::rowOf(Control::P).rect.width)) + "×" +
               std::to_string(layout::toPixels(layout::rowOf(Control::P).rect.height)) + " px, URW Bookman), " +
               (by.empty() ? std::string("as the game opens") : "after " + by) + ". " + length +
               " It must fit the box at every scale: keep close to the Czech length, so the scene keeps its look.";
    if (key <= Text::D4)
        return "Card description, in label Popis (" +
               std::to_string(layout::toPixels(layout::rowOf(Control::Popis).rect.width)) +
               " px wide) while the pointer rests on the card: " + by + ". " + length +
               " It must fit the label at every scale: keep close to the Czech length.";
    std::string captionOf, tooltipOf, spokenFor;
    bool onAButton = false;
    bool oneLine = false;
    for (const layout::ControlRow& row : layout::kLayout) {
        if (const auto* caption = std::get_if<Text>(&row.caption); caption && *caption == key) {
            captionOf = join(captionOf, box(row));
            onAButton = row.kind == layout::Kind::Button;
            oneLine =
                row.font && 2 * layout::lineHeight(layout::pixelSize(*row.font)) > layout::toPixels(row.rect.height);
        }
        if (const auto* picture = std::get_if<content::Picture>(&row.caption);
            picture && content::altText(*picture) == key)
            spokenFor = join(spokenFor, "picture " + std::string(controlName(row.control)));
        if (row.kind == layout::Kind::Shape && key == Text::A15) spokenFor = join(spokenFor, "the tally's outline");
        if (row.tooltip == key) tooltipOf = join(tooltipOf, std::string(controlName(row.control)));
    }
    if (!captionOf.empty())
        return "Caption of " + captionOf + ". " + length +
               (onAButton ? " It must fit the button at every scale, in two lines at most."
                : oneLine ? " It must fit at every scale, in one line."
                          : " It must fit at every scale.");
    if (!tooltipOf.empty()) return "Tooltip (on a phone, shown by a long press) of " + tooltipOf + ". " + length;
    if (!spokenFor.empty()) return "What a screen reader says for " + spokenFor + ": never shown. " + length;
    return length;
}

}  // namespace tolm::po
