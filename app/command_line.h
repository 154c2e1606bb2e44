// The answers to --help and --version, which need no display.
#pragma once

#include <optional>

namespace tolm::app {

// When an argument asks for the help or the version (the first such one, up to a "--"), prints
// it to standard output and gives the exit status; otherwise gives nothing, and every argument
// goes on to the toolkit as it is.
std::optional<int> answerCommandLine(int argc, char** argv);

}  // namespace tolm::app
