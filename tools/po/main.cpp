// tolm-po-source: every text and message of the program in Czech, with where it shows and the
// note a translator needs, as JSON for make_pot.py.
//   tolm-po-source > source.json
#include <cstdio>
#include <string>

#include "content/message.h"
#include "content/text.h"
#include "runtime/json.h"
#include "tools/po/translator_notes.h"
#include "tools/po/where_shown.h"

namespace {

using namespace tolm;

// One entry: the file its Czech lives in, its key, the Czech, and the notes for translators.
void entry(Json& j, std::string_view file, std::string_view key, std::string_view czech, const std::string& where) {
    j.beginObject();
    j.field("file", file);
    j.field("key", key);
    j.field("czech", czech);
    j.key("notes");
    j.beginArray();
    for (const std::string_view note : {std::string_view(where), po::translatorNote(key)})
        if (!note.empty()) j.string(note);
    j.endArray();
    j.endObject();
}

// The shown Czech has its one-letter words bound; translators read it with plain spaces.
std::string asWritten(std::string_view shown) {
    std::string czech;
    for (std::size_t at = 0; at < shown.size(); ++at) {
        const bool bound = shown.substr(at, 2) == "\u00A0";
        czech += bound ? ' ' : shown[at];
        at += bound;
    }
    return czech;
}

}  // namespace

int main() {
    Json j;
    j.beginArray();
    for (std::size_t i = 0; i < content::kTextCount; ++i) {
        const auto key = static_cast<content::Text>(i);
        const std::string_view written = content::text(key, content::kCzech);
        // The empty description is empty in every language.
        if (written.empty()) continue;
        entry(j, "content/texts.cpp", content::keyName(key), asWritten(written), po::whereShown(key));
    }
    // Nothing has chosen another language: the messages come in Czech.
    for (std::size_t i = 0; i < content::kMessageCount; ++i) {
        const auto key = static_cast<content::Message>(i);
        entry(j, "content/messages.cpp", content::messageName(key), asWritten(content::message(key)), "");
    }
    j.endArray();
    std::puts(j.take().c_str());
}
