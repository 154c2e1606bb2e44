// The game's own options, on every system: --lang, and --help and --version, which need no window.
#pragma once

#include <optional>
#include <string>

#include "content/language.h"

namespace tolm::app {

// What the program answers instead of playing: the help or the version (status 0), or a usage
// error (status 2), each in the game's language.
struct Reply {
    int status;
    std::string text;
    bool error;
};

// Chooses the game's language, from --lang or else `fallback` (the system's), and takes --lang
// out of the arguments (up to a "--"). When --lang names no language the game speaks, the reply
// says so. When an argument asks for the help or the version (the first such one), the reply is
// it, in that language. Otherwise nothing, and every other argument stays as it is.
std::optional<Reply> readOptions(int& argc, char** argv, content::Language fallback);

}  // namespace tolm::app
