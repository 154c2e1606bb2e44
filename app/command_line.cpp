// Reads the game's options and answers --help and --version as command-line programs do, before
// the toolkit starts.
#include "app/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "content/language.h"
#include "content/message.h"

namespace tolm::app {
namespace {

using content::Message;

// A wrong option is a usage error, as GNU programs report one.
constexpr int kUsageError = 2;
constexpr std::string_view kLangOption = "--lang";

constexpr std::string_view kVersion = "tolm " TOLM_VERSION "\n";

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string languageCodes() {
    std::string codes;
    for (std::size_t i = 0; i < content::languageCount(); ++i)
        codes.append(i ? ", " : "").append(content::languageCode(content::languageAt(i)));
    return codes;
}

int print(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    // A full disk or a closed pipe must not pass for an answer given.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fputs(std::string(content::message(Message::CannotWrite)).c_str(), stderr);
        return 1;
    }
    return 0;
}

int complain(const std::string& said) {
    std::fputs(said.c_str(), stderr);
    return kUsageError;
}

}  // namespace

std::optional<int> answerCommandLine(int& argc, char** argv) {
    content::useLanguage(content::languageOfLocale(
        {environment("LANGUAGE"), environment("LC_ALL"), environment("LC_MESSAGES"), environment("LANG")}));
    std::optional<std::string_view> asked;
    bool lacksItsLanguage = false;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--") {
            while (i < argc) argv[kept++] = argv[i++];
            break;
        }
        if (argument == kLangOption) {
            lacksItsLanguage = i + 1 == argc;
            if (!lacksItsLanguage) asked = argv[++i];
        } else if (argument.starts_with(kLangOption) && argument[kLangOption.size()] == '=') {
            asked = argument.substr(kLangOption.size() + 1);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argv[kept] = nullptr;
    argc = kept;

    if (lacksItsLanguage) return complain(std::string(content::message(Message::LanguageMissing)));
    if (asked) {
        const auto language = content::languageNamed(*asked);
        if (!language)
            return complain(content::message(Message::UnknownLanguage,
                                             {{"language", content::echoed(*asked)}, {"languages", languageCodes()}}));
        content::useLanguage(*language);
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--") break;
        if (argument == "--help")
            return print(content::message(Message::Help, {{"languages", languageCodes()}, {"contact", TOLM_CONTACT}}));
        if (argument == "--version") return print(kVersion);
    }
    return std::nullopt;
}

}  // namespace tolm::app
