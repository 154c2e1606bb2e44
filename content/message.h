// What the program says outside the story, named by key: the command line's answers, the runtime's
// errors and the page's own words. The wording lives in messages.cpp, translations in po/.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "content/language.h"

namespace tolm::content {

// The terminal's lines: the command line's answers, then what the desktop says when it cannot
// start; the runtime's errors; the page's own words.
enum class Message : std::uint8_t {
    Help,
    UnknownLanguage,
    LanguageMissing,
    CannotWrite,
    NoSession,
    XDisplay,
    XDisplayUnset,
    WaylandDisplay,
    Platform,
    OrPlace,
    OrOthers,
    QtFailed,
    QtFailedInLittleMemory,
    DoesNotFit,
    WindowNeverCame,
    WindowNeverCameInLittleMemory,
    QtSaidMore,
    ScaleFactor,
    RuntimeError,
    TypeMismatch,
    FloatingPoint,
    PropertyFailed,
    GameOver,
    ThanksForPlaying,
    PlayAgain,
    Ok,
    Languages,
    LanguageName,
    PageDescription,
    CannotLoad,
    LoadAgain,
    NoScript,
};

inline constexpr std::size_t kMessageCount = static_cast<std::size_t>(Message::NoScript) + 1;

// The message in the game's language, or in the one given, with its {placeholders} as written.
std::string_view message(Message key);
std::string_view message(Message key, Language l);
// The key as the translations name it: "help", "error 13".
std::string_view messageName(Message key);

// The message with each {name} replaced by its value.
std::string message(Message key, std::initializer_list<std::pair<std::string_view, std::string_view>> values);

// A value the user gave, as a message echoes it: at most `length` characters, cut with an
// ellipsis, without the control characters and invalid bytes that a terminal would act on or
// choke on, each of which is left out.
inline constexpr std::size_t kEchoLength = 40;
std::string echoed(std::string_view value, std::size_t length = kEchoLength);

// What the player is told of a runtime error: its number and its message, on two lines.
std::string runtimeErrorMessage(int number);

}  // namespace tolm::content
