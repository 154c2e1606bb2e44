// The runtime's errors: a number and a message, as the player is shown them.
#pragma once

#include <string>

namespace tolm::runtime {

struct RuntimeError {
    int number;
    std::string message;

    friend bool operator==(const RuntimeError&, const RuntimeError&) = default;
};

inline constexpr int kOverflow = 6;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kFloatingPoint = 16;
inline constexpr int kPropertyFailed = 438;

RuntimeError overflowError();
RuntimeError typeMismatchError();
RuntimeError floatingPointError();
RuntimeError propertyError();

// What the player is told: the number and the message, on two lines.
std::string playerMessage(const RuntimeError& error);

// The player sees the error before the program ends; tests record it instead.
class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void report(const RuntimeError& error) = 0;
};

}  // namespace tolm::runtime
