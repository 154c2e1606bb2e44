// Reads the game's options and answers --help and --version as command-line programs do, before
// the toolkit starts.
#include "app/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/options.h"
#include "content/language.h"
#include "content/message.h"

namespace tolm::app {
namespace {

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

int print(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    // A full disk or a closed pipe must not pass for an answer given.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fputs(std::string(content::message(content::Message::CannotWrite)).c_str(), stderr);
        return 1;
    }
    return 0;
}

}  // namespace

std::optional<int> answerCommandLine(int& argc, char** argv) {
    const auto reply = readOptions(argc, argv,
                                   content::languageOfLocale({environment("LANGUAGE"), environment("LC_ALL"),
                                                              environment("LC_MESSAGES"), environment("LANG")}));
    if (!reply) return std::nullopt;
    if (reply->error) {
        std::fputs(reply->text.c_str(), stderr);
        return reply->status;
    }
    return print(reply->text);
}

}  // namespace tolm::app
