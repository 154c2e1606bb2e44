// What a translator should know of a text beyond where it shows: a pun, an idiom, a quirk.
#pragma once

#include <string_view>

namespace tolm::po {

// The note for the key as the translations name it, or an empty one.
std::string_view translatorNote(std::string_view key);

}  // namespace tolm::po
