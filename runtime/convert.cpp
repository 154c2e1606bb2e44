// The runtime's conversions: integer to text, text to float, float to integer, checked sums.
#include "runtime/convert.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace tolm::runtime {
namespace {

constexpr int kMin = std::numeric_limits<std::int16_t>::min();
constexpr int kMax = std::numeric_limits<std::int16_t>::max();

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string toText(std::int16_t value) {
    char buffer[8];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;  // six characters always fit
    return {buffer, end};
}

std::optional<double> toNumber(std::string_view text) {
    // from_chars also reads "inf" and "nan", which are not numbers a player can hold.
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
    if (digits.empty() || !(isDigit(digits.front()) || digits.front() == '.')) return std::nullopt;

    const char* first = text.data();
    if (text.front() == '+') ++first;
    double value = 0;
#if defined(__cpp_lib_to_chars)
    auto [end, ec] = std::from_chars(first, text.data() + text.size(), value);
#else
    // libc++ 14, the web edition's, reads no floating-point text yet; strtod reads the same
    // decimal forms in the C locale the WebAssembly module always runs in, and hexadecimal too,
    // which from_chars would stop at.
    if (text.find_first_of("xX") != std::string_view::npos) return std::nullopt;
    const std::string terminated(first, text.data() + text.size());
    char* stop = nullptr;
    errno = 0;
    value = std::strtod(terminated.c_str(), &stop);
    const char* end = first + (stop - terminated.c_str());
    const std::errc ec = errno == ERANGE ? std::errc::result_out_of_range : std::errc();
#endif
    if (end != text.data() + text.size()) return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Out of a double's range: a negative exponent underflows to zero, anything else
        // is too large and becomes an infinity.
        bool negative = text.front() == '-';
        bool underflow = text.find("e-") != std::string_view::npos || text.find("E-") != std::string_view::npos;
        double magnitude = underflow ? 0.0 : std::numeric_limits<double>::infinity();
        return negative ? -magnitude : magnitude;
    }
    if (ec != std::errc()) return std::nullopt;
    return value;
}

Int16Result toInt16(double value) {
    if (std::isnan(value)) return {0, std::signbit(value) ? Range::BelowMin : Range::AboveMax};
    // nearbyint rounds in the default mode: to nearest, halves to even.
    double rounded = std::nearbyint(value);
    if (rounded > kMax) return {0, Range::AboveMax};
    if (rounded < kMin) return {0, Range::BelowMin};
    return {static_cast<std::int16_t>(rounded), Range::Inside};
}

Int16Result add(std::int16_t a, std::int16_t b) {
    int sum = int{a} + int{b};
    if (sum > kMax) return {0, Range::AboveMax};
    if (sum < kMin) return {0, Range::BelowMin};
    return {static_cast<std::int16_t>(sum), Range::Inside};
}

std::optional<double> subtract(double a, double b) {
    double difference = a - b;
    if (!std::isfinite(difference)) return std::nullopt;
    return difference;
}

}  // namespace tolm::runtime
