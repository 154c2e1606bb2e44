// The runtime's errors, by number; what the player reads of one is content's, in the game's language.
#pragma once

namespace tolm::runtime {

struct RuntimeError {
    int number;

    friend bool operator==(const RuntimeError&, const RuntimeError&) = default;
};

// The runtime's overflow (6) has no number here: nothing raises it, as the purse stops at the ends
// of its range instead of ending the game (engine/interpreter.cpp).
inline constexpr int kTypeMismatch = 13;
inline constexpr int kFloatingPoint = 16;
inline constexpr int kPropertyFailed = 438;

constexpr RuntimeError typeMismatchError() { return {kTypeMismatch}; }
constexpr RuntimeError floatingPointError() { return {kFloatingPoint}; }
constexpr RuntimeError propertyError() { return {kPropertyFailed}; }

// The player sees the error before the program ends; tests record it instead.
class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void report(const RuntimeError& error) = 0;
};

}  // namespace tolm::runtime
