// Prints the help and the version as command-line programs do, before the toolkit starts.
#include "app/command_line.h"

#include <cstdio>
#include <string_view>

namespace tolm::app {
namespace {

constexpr std::string_view kHelp =
    "Použití: tolm [VOLBA]...\n"
    "Tolm je malá hra v češtině, příběh, ve kterém volíte cestu: černá groteska\n"
    "z českého pohraničí, hraná v jednom okně myší nebo klávesnicí.\n"
    "\n"
    "  --help     vypíše tuto nápovědu a skončí\n"
    "  --version  vypíše verzi a skončí\n"
    "\n"
    "Ostatní argumenty dostane knihovna Qt, například -platform wayland.\n"
    "Chyby hlaste na adresu: " TOLM_CONTACT "\n"
    "\n"
    "Usage: tolm [OPTION]...\n"
    "Tolm is a small choose-your-path story game in Czech: a dark slapstick comedy\n"
    "set in a Czech border town, played in one window with the mouse or the keyboard.\n"
    "\n"
    "  --help     display this help and exit\n"
    "  --version  output version information and exit\n"
    "\n"
    "Other arguments go to the Qt toolkit, for example -platform wayland.\n"
    "Report bugs to: " TOLM_CONTACT "\n";

constexpr std::string_view kVersion = "tolm " TOLM_VERSION "\n";

int print(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    // A full disk or a closed pipe must not pass for an answer given.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fputs("tolm: nelze zapsat na standardní výstup / cannot write to standard output\n", stderr);
        return 1;
    }
    return 0;
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--") break;
        if (argument == "--help") return print(kHelp);
        if (argument == "--version") return print(kVersion);
    }
    return std::nullopt;
}

}  // namespace tolm::app
