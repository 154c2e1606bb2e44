// The runtime's conversions between 16-bit integers, text and 64-bit floats.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolm::runtime {

enum class Range : std::uint8_t { Inside, AboveMax, BelowMin };

// A 16-bit result; value is meaningful only when the result lies inside the range.
struct Int16Result {
    std::int16_t value;
    Range range;

    bool overflowed() const { return range != Range::Inside; }
    friend bool operator==(const Int16Result&, const Int16Result&) = default;
};

// Decimal digits, a minus sign when negative, no blanks, no leading zeros.
std::string toText(std::int16_t value);

// A decimal number as text; nothing for text that is not a number. Magnitudes
// beyond a double become infinities, which the arithmetic after it reports.
std::optional<double> toNumber(std::string_view text);

// The nearest integer, a half going to the even neighbour.
Int16Result toInt16(double value);

Int16Result add(std::int16_t a, std::int16_t b);

// The difference, or nothing on a floating-point fault (invalid, infinite).
std::optional<double> subtract(double a, double b);

}  // namespace tolm::runtime
