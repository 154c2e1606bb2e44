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

enum class Message : std::uint8_t {
    Help, UnknownLanguage, LanguageMissing, CannotWrite,
    RuntimeError, Overflow, TypeMismatch, FloatingPoint, PropertyFailed,
    GameOver, ThanksForPlaying, PlayAgain, Ok, Languages, LanguageName,
    PageDescription, CannotLoad, LoadAgain, NoScript,
};

inline constexpr std::size_t kMessageCount = static_cast<std::size_t>(Message::NoScript) + 1;

// The message in the game's language, or in the one given, with its {placeholders} as written.
std::string_view message(Message key);
std::string_view message(Message key, Language l);
// The key as the translations name it: "help", "error 6".
std::string_view messageName(Message key);

// The message with each {name} replaced by its value.
std::string message(Message key, std::initializer_list<std::pair<std::string_view, std::string_view>> values);

// What the player is told of a runtime error: its number and its message, on two lines.
std::string runtimeErrorMessage(int number);

}  // namespace tolm::content
