// The command line's own options: --lang, and --help and --version, which need no display.
#pragma once

#include <optional>

namespace tolm::app {

// Chooses the game's language, from --lang or else from the locale, and takes --lang out of the
// arguments (up to a "--"). When --lang names no language the game speaks, says so and gives
// status 2. When an argument asks for the help or the version (the first such one), prints it in
// that language and gives the exit status. Otherwise gives nothing, and every other argument
// goes on to the toolkit as it is.
std::optional<int> answerCommandLine(int& argc, char** argv);

}  // namespace tolm::app
