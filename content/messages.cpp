// What the program says outside the story, in Czech; the translations come from po/.
#include "content/message.h"

#include <algorithm>
#include <array>

#include "content/language.h"
#include "content/language_table.h"
#include "runtime/runtime_error.h"

namespace tolm::content {
namespace {

using namespace language_table;

struct Entry {
    Message key;
    std::string_view name;
    std::string_view text;
};

// Lines of the command line's answers stay within 80 columns; {name} stands for a value the
// program fills in.
constexpr std::array<Entry, kMessageCount> kEntries{{
    {Message::Help, "help",
     "Použití: tolm [VOLBA]...\n"
     "Tolm je malá hra, příběh, ve kterém volíte cestu: černá groteska z českého\n"
     "pohraničí, hraná v jednom okně myší nebo klávesnicí.\n"
     "\n"
     "  --lang JAZYK  hraje v jazyce JAZYK ({languages}); bez této volby v jazyce\n"
     "                prostředí (LANGUAGE, LC_ALL, LC_MESSAGES nebo LANG), jinak česky\n"
     "  --help        vypíše tuto nápovědu a skončí\n"
     "  --version     vypíše verzi a skončí\n"
     "\n"
     "Ostatní argumenty dostane knihovna Qt, například -platform wayland.\n"
     "Chyby hlaste na adresu: {contact}\n"},
    {Message::UnknownLanguage, "unknown language",
     "tolm: neznámý jazyk „{language}“ (hra umí: {languages})\n"
     "Více řekne příkaz „tolm --help“.\n"},
    {Message::LanguageMissing, "language missing",
     "tolm: volba „--lang“ potřebuje jazyk\n"
     "Více řekne příkaz „tolm --help“.\n"},
    {Message::CannotWrite, "cannot write", "tolm: nelze zapsat na standardní výstup\n"},
    {Message::RuntimeError, "runtime error", "Chyba {number} za běhu programu:"},
    {Message::Overflow, "error 6", "Přetečení"},
    {Message::TypeMismatch, "error 13", "Neshoda typů"},
    {Message::FloatingPoint, "error 16", "Chyba výpočtu v plovoucí čárce"},
    {Message::PropertyFailed, "error 438", "Ovládací prvek tuto vlastnost nepodporuje"},
    {Message::GameOver, "game over", "Hra skončila."},
    {Message::ThanksForPlaying, "thanks for playing", "Děkujeme, že sis zahrál."},
    {Message::PlayAgain, "play again", "Hrát znovu"},
    {Message::Ok, "ok", "OK"},
    {Message::Languages, "languages", "Jazyk"},
    {Message::LanguageName, "language name", "Čeština"},
    {Message::PageDescription, "page description",
     "Vyber si cestu z paneláku v Rumburku až do Šluknova: krátká hra v prohlížeči, černá groteska "
     "z českého pohraničí."},
    {Message::CannotLoad, "cannot load", "Hru se nepodařilo načíst. Zkontroluj připojení a načti stránku znovu."},
    {Message::LoadAgain, "load again", "Načíst znovu"},
    {Message::NoScript, "no script", "Tolm se hraje v prohlížeči se zapnutým JavaScriptem."},
}};

constexpr bool inKeyOrder() {
    for (std::size_t i = 0; i < kEntries.size(); ++i)
        if (static_cast<std::size_t>(kEntries[i].key) != i) return false;
    return true;
}
static_assert(inKeyOrder(), "the message table follows the order of Message");

constexpr std::array<Written, kMessageCount> kWritten = [] {
    std::array<Written, kMessageCount> table;
    for (std::size_t i = 0; i < kEntries.size(); ++i) table[i] = {kEntries[i].name, kEntries[i].text};
    return table;
}();
static_assert(translatesOnlyItsKeys(kWritten, kMessageTranslations), "po/*.po translates a message the game does not have");
static_assert(translatesTheCurrentCzech(kWritten, kMessageTranslations),
              "po/*.po translates a Czech message that has changed since: `make po` marks it, translate it anew");
static_assert(translatesEveryKeyOnce(kWritten, kMessageTranslations), "po/*.po leaves a message untranslated");

constexpr std::size_t kShownSize = shownSize(kWritten, kMessageTranslations, Typography::AsWritten);
constexpr auto kShown = shown<kShownSize>(kWritten, kMessageTranslations, Typography::AsWritten);

struct NumberedError {
    int number;
    Message message;
};

constexpr NumberedError kRuntimeErrors[] = {
    {runtime::kOverflow, Message::Overflow},
    {runtime::kTypeMismatch, Message::TypeMismatch},
    {runtime::kFloatingPoint, Message::FloatingPoint},
    {runtime::kPropertyFailed, Message::PropertyFailed},
};

}  // namespace

std::string_view message(Message key) { return message(key, language()); }

std::string_view message(Message key, Language l) {
    return kShown.at(static_cast<std::size_t>(l), static_cast<std::size_t>(key));
}

std::string_view messageName(Message key) { return kEntries[static_cast<std::size_t>(key)].name; }

std::string message(Message key, std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
    std::string out;
    std::string_view rest = message(key);
    for (std::size_t open = rest.find('{'); open != std::string_view::npos; open = rest.find('{')) {
        const std::size_t close = rest.find('}', open);
        if (close == std::string_view::npos) break;
        const std::string_view name = rest.substr(open + 1, close - open - 1);
        out += rest.substr(0, open);
        const auto* value = std::find_if(values.begin(), values.end(), [&](const auto& v) { return v.first == name; });
        out += value != values.end() ? value->second : rest.substr(open, close - open + 1);
        rest.remove_prefix(close + 1);
    }
    return out += rest;
}

std::string runtimeErrorMessage(int number) {
    std::string said = message(Message::RuntimeError, {{"number", std::to_string(number)}});
    for (const NumberedError& e : kRuntimeErrors)
        if (e.number == number) return said + "\n" + std::string(message(e.message));
    return said;
}

}  // namespace tolm::content
