// One translated text as the build takes it from po/*.po into content/translations.inc.
#pragma once

#include <cstdint>
#include <string_view>

namespace tolm::content {

struct Translation {
    std::uint8_t language;   // a Language's place in the list; Czech, 0, is never translated
    std::string_view key;    // the PO entry's msgctxt: the text's key
    std::string_view czech;  // msgid: the Czech text it was translated from
    std::string_view text;   // msgstr
};

}  // namespace tolm::content
