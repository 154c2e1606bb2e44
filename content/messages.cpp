// What the program says outside the story, in Czech; the translations come from po/.
#include "content/message.h"

#include <algorithm>
#include <array>
#include <optional>

#include "content/language.h"
#include "content/language_table.h"
#include "runtime/runtime_error.h"

namespace tolm::content {
namespace {

using namespace language_table;

struct Entry {
    Message key;
    std::string_view name;
    Typography typography;
    std::string_view text;
};

// The terminal's lines are laid out by hand; what a window or the page shows wraps, and binds
// Czech one-letter words.
constexpr Typography kTerminal = Typography::AsWritten;
constexpr Typography kWrapped = Typography::CzechOneLetterWords;

// Lines of the command line's answers stay within 80 columns; {name} stands for a value the
// program fills in.
constexpr std::array<Entry, kMessageCount> kEntries{{
    {Message::Help, "help", kTerminal,
     "Použití: tolm [VOLBA]...\n"
     "Tolm je malá hra, příběh, ve kterém si volíš cestu: černá groteska z českého\n"
     "pohraničí, hraná v jednom okně myší nebo klávesnicí.\n"
     "\n"
     "  --lang JAZYK  hraje v jazyce JAZYK ({languages}); bez této volby v jazyce\n"
     "                prostředí (LANGUAGE, LC_ALL, LC_MESSAGES nebo LANG), jinak česky\n"
     "  --help        vypíše tuto nápovědu a skončí\n"
     "  --version     vypíše verzi a skončí\n"
     "\n"
     "Ostatní argumenty dostane knihovna Qt, například -platform wayland.\n"
     "Chyby posílej na adresu: {contact}\n"},
    {Message::UnknownLanguage, "unknown language", kTerminal,
     "tolm: neznámý jazyk „{language}“ (hra umí: {languages})\n"
     "Více řekne příkaz „tolm --help“.\n"},
    {Message::LanguageMissing, "language missing", kTerminal,
     "tolm: volba „--lang“ potřebuje jazyk\n"
     "Více řekne příkaz „tolm --help“.\n"},
    {Message::CannotWrite, "cannot write", kTerminal, "tolm: nelze zapsat na standardní výstup\n"},
    {Message::NoSession, "no session", kTerminal,
     "Tolm potřebuje grafické prostředí, ale nemohl se připojit {places}."},
    {Message::XDisplay, "X display", kTerminal, "k displeji X „{display}“"},
    {Message::XDisplayUnset, "X display unset", kTerminal, "k displeji X (proměnná DISPLAY není nastavena)"},
    {Message::WaylandDisplay, "Wayland display", kTerminal, "k displeji Wayland „{display}“"},
    {Message::Platform, "platform", kTerminal, "k platformě „{platform}“"},
    {Message::OrPlace, "or place", kTerminal, "{places} ani {place}"},
    {Message::OrOthers, "or others", kTerminal, "{places} ani k dalším zadaným"},
    {Message::QtFailed, "qt failed", kTerminal, "Tolm se nespustil, knihovna Qt hlásí: {reason}"},
    {Message::QtFailedInLittleMemory, "qt failed in little memory", kTerminal,
     "Tolm se v adresním prostoru omezeném na {mib} MiB nespustil, knihovna Qt hlásí: {reason}"},
    {Message::DoesNotFit, "does not fit", kTerminal,
     "Tolm se nevejde do adresního prostoru omezeného na {mib} MiB a končí."},
    {Message::WindowNeverCame, "window never came", kTerminal, "Tolm do {seconds} s neotevřel své okno a končí."},
    {Message::WindowNeverCameInLittleMemory, "window never came in little memory", kTerminal,
     "Tolm v adresním prostoru omezeném na {mib} MiB do {seconds} s neotevřel své okno a končí."},
    {Message::QtSaidMore, "qt said more", kTerminal, "(další zprávy knihovny Qt při spuštění vynechány: {count})"},
    {Message::ScaleFactor, "scale factor", kTerminal,
     "tolm: QT_SCALE_FACTOR={value} nelze použít, hra poběží v měřítku 1"},
    {Message::RuntimeError, "runtime error", kWrapped, "Chyba {number} za běhu programu:"},
    {Message::TypeMismatch, "error 13", kWrapped, "Neshoda typů"},
    {Message::FloatingPoint, "error 16", kWrapped, "Chyba výpočtu v plovoucí čárce"},
    {Message::PropertyFailed, "error 438", kWrapped, "Ovládací prvek tuto vlastnost nepodporuje"},
    {Message::GameOver, "game over", kWrapped, "Hra skončila."},
    {Message::ThanksForPlaying, "thanks for playing", kWrapped, "Děkujeme za hru."},
    {Message::PlayAgain, "play again", kWrapped, "Hrát znovu"},
    {Message::Ok, "ok", kWrapped, "OK"},
    {Message::Languages, "languages", kWrapped, "Jazyk"},
    {Message::LanguageName, "language name", kWrapped, "Čeština"},
    {Message::PageDescription, "page description", kWrapped,
     "Vyber si cestu z paneláku v Rumburku až do Šluknova: krátká hra v prohlížeči, černá groteska "
     "z českého pohraničí."},
    {Message::CannotLoad, "cannot load", kWrapped,
     "Hru se nepodařilo načíst. Zkontroluj připojení a načti stránku znovu."},
    {Message::LoadAgain, "load again", kWrapped, "Načíst znovu"},
    {Message::NoScript, "no script", kWrapped, "Tolm se hraje v prohlížeči se zapnutým JavaScriptem."},
}};

constexpr bool inKeyOrder() {
    for (std::size_t i = 0; i < kEntries.size(); ++i)
        if (static_cast<std::size_t>(kEntries[i].key) != i) return false;
    return true;
}
static_assert(inKeyOrder(), "the message table follows the order of Message");

constexpr std::array<Written, kMessageCount> kWritten = [] {
    std::array<Written, kMessageCount> table;
    for (std::size_t i = 0; i < kEntries.size(); ++i)
        table[i] = {kEntries[i].name, kEntries[i].text, kEntries[i].typography};
    return table;
}();
static_assert(translatesOnlyItsKeys(kWritten, kMessageTranslations),
              "po/*.po translates a message the game does not have");
static_assert(translatesTheCurrentCzech(kWritten, kMessageTranslations),
              "po/*.po translates a Czech message that has changed since: `make po` marks it, translate it anew");
static_assert(translatesEveryKeyOnce(kWritten, kMessageTranslations), "po/*.po leaves a message untranslated");

constexpr std::size_t kShownSize = shownSize(kWritten, kMessageTranslations);
constexpr auto kShown = shown<kShownSize>(kWritten, kMessageTranslations);

struct NumberedError {
    int number;
    Message message;
};

constexpr NumberedError kRuntimeErrors[] = {
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

namespace {

// A code point that moves a terminal's cursor, switches its modes or turns text around: C0 and
// C1 controls, DEL, the line and paragraph separators and the bidirectional controls.
constexpr bool controls(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x200E || c == 0x200F || (c >= 0x2028 && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// The code point that starts at `at`, and its length in bytes; nothing for bytes that are not UTF-8.
std::optional<std::pair<char32_t, std::size_t>> codePointAt(std::string_view s, std::size_t at) {
    const auto lead = static_cast<unsigned char>(s[at]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0 || at + length > s.size()) return std::nullopt;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(s[at + i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    constexpr std::size_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kShortest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    return std::pair{c, length};
}

}  // namespace

std::string echoed(std::string_view value, std::size_t length) {
    std::string clean;
    std::size_t cut = 0;  // where the text is cut, should it be longer than `length`
    std::size_t kept = 0;
    for (std::size_t at = 0; at < value.size();) {
        const auto point = codePointAt(value, at);
        if (!point) {
            ++at;
            continue;
        }
        const auto [c, bytes] = *point;
        if (!controls(c)) {
            clean.append(value.substr(at, bytes));
            if (++kept == length - 1) cut = clean.size();
        }
        at += bytes;
    }
    return kept <= length ? clean : clean.substr(0, cut) + "…";
}

std::string runtimeErrorMessage(int number) {
    std::string said = message(Message::RuntimeError, {{"number", std::to_string(number)}});
    for (const NumberedError& e : kRuntimeErrors)
        if (e.number == number) return said + "\n" + std::string(message(e.message));
    return said;
}

}  // namespace tolm::content
