// tolm-po-source: every text and message of the program in Czech, with where it shows and the
// note a translator needs, as JSON for make_pot.py.
//   tolm-po-source > source.json
#include <cstdio>
#include <string>

#include "content/message.h"
#include "content/text.h"
#include "tools/po/translator_notes.h"
#include "tools/po/where_shown.h"
#include "web/json.h"

namespace {

using namespace tolm;

// One entry: the file its Czech lives in, its key, the Czech, and the notes for translators.
void entry(web::Json& j, bool first, std::string_view file, std::string_view key, std::string_view czech,
           const std::string& where) {
    j.raw(first ? "{" : ",{");
    j.key("file", true);
    j.string(file);
    j.key("key");
    j.string(key);
    j.key("czech");
    j.string(czech);
    j.key("notes");
    j.raw("[");
    bool firstNote = true;
    for (const std::string_view note : {std::string_view(where), po::translatorNote(key)}) {
        if (note.empty()) continue;
        if (!firstNote) j.raw(",");
        j.string(note);
        firstNote = false;
    }
    j.raw("]}");
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
    web::Json j;
    j.raw("[");
    bool first = true;
    for (std::size_t i = 0; i < content::kTextCount; ++i) {
        const auto key = static_cast<content::Text>(i);
        const std::string_view written = content::text(key, content::kCzech);
        // The empty description is empty in every language.
        if (written.empty()) continue;
        entry(j, first, "content/texts.cpp", content::keyName(key), asWritten(written), po::whereShown(key));
        first = false;
    }
    // Nothing has chosen another language: the messages come in Czech.
    for (std::size_t i = 0; i < content::kMessageCount; ++i) {
        const auto key = static_cast<content::Message>(i);
        entry(j, false, "content/messages.cpp", content::messageName(key), asWritten(content::message(key)), "");
    }
    j.raw("]");
    std::puts(j.take().c_str());
}
