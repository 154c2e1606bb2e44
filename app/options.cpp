// The options' rules, shared by the desktop's command line and Tolm.exe's.
#include "app/options.h"

#include <string_view>

#include "content/message.h"

namespace tolm::app {
namespace {

using content::Message;

// A wrong option is a usage error, as GNU programs report one.
constexpr int kUsageError = 2;
constexpr std::string_view kLangOption = "--lang";

constexpr std::string_view kVersion = "tolm " TOLM_VERSION "\n";

std::string languageCodes() {
    std::string codes;
    for (std::size_t i = 0; i < content::languageCount(); ++i)
        codes.append(i ? ", " : "").append(content::languageCode(content::languageAt(i)));
    return codes;
}

}  // namespace

std::optional<Reply> readOptions(int& argc, char** argv, content::Language fallback) {
    content::useLanguage(fallback);
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

    if (lacksItsLanguage) return Reply{kUsageError, std::string(content::message(Message::LanguageMissing)), true};
    if (asked) {
        const auto language = content::languageNamed(*asked);
        if (!language)
            return Reply{kUsageError,
                         content::message(Message::UnknownLanguage,
                                          {{"language", content::echoed(*asked)}, {"languages", languageCodes()}}),
                         true};
        content::useLanguage(*language);
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--") break;
        if (argument == "--help")
            return Reply{
                0, content::message(Message::Help, {{"languages", languageCodes()}, {"contact", TOLM_CONTACT}}), false};
        if (argument == "--version") return Reply{0, std::string(kVersion), false};
    }
    return std::nullopt;
}

}  // namespace tolm::app
