// The runtime's conversions at the edges of the 16-bit range and of the text forms.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/convert.h"

namespace tolm::runtime {
namespace {

TEST(Convert, IntegerToTextHasDigitsAndASignOnly) {
    const std::pair<std::int16_t, const char*> cases[] = {
        {0, "0"}, {7, "7"}, {-1, "-1"}, {10000, "10000"}, {32767, "32767"}, {-32768, "-32768"}, {392, "392"},
    };
    for (auto [value, expected] : cases) EXPECT_EQ(toText(value), expected);
}

TEST(Convert, TextToNumber) {
    const std::pair<const char*, double> numbers[] = {
        {"0", 0.0}, {"-7", -7.0}, {"+12", 12.0}, {"32400", 32400.0}, {"2.5", 2.5}, {"1e3", 1000.0}, {"-0", -0.0},
    };
    for (auto [text, expected] : numbers) {
        ASSERT_TRUE(toNumber(text).has_value()) << text;
        EXPECT_EQ(*toNumber(text), expected) << text;
    }
    for (const char* notANumber : {"", "-", "abc", "12a", " 12", "12 ", "inf", "nan", "-inf", "+-1", "0x10"})
        EXPECT_FALSE(toNumber(notANumber).has_value()) << '"' << notANumber << '"';

    EXPECT_EQ(*toNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(*toNumber("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(*toNumber("1e-400"), 0.0);
}

TEST(Convert, NumberToIntegerRoundsHalvesToEven) {
    const std::pair<double, std::int16_t> cases[] = {
        {0.5, 0},         {1.5, 2},           {2.5, 2},     {-0.5, 0},        {-1.5, -2},
        {-2.5, -2},       {2.4999, 2},        {2.5001, 3},  {32767.4, 32767}, {-32768.4, -32768},
        {32766.5, 32766}, {-32767.5, -32768}, {392.0, 392},
    };
    for (auto [value, expected] : cases) {
        const Int16Result r = toInt16(value);
        EXPECT_FALSE(r.overflowed()) << value;
        EXPECT_EQ(r.value, expected) << value;
    }
}

TEST(Convert, NumberToIntegerOverflowsPastTheRange) {
    EXPECT_EQ(toInt16(32767.5).range, Range::AboveMax);  // rounds to 32768
    EXPECT_EQ(toInt16(40000.0).range, Range::AboveMax);
    EXPECT_EQ(toInt16(-32768.6).range, Range::BelowMin);
    EXPECT_EQ(toInt16(-1e300).range, Range::BelowMin);
    EXPECT_EQ(toInt16(std::numeric_limits<double>::infinity()).range, Range::AboveMax);
}

TEST(Convert, CheckedAdditionStoresNothingOnOverflow) {
    EXPECT_EQ(add(32400, 367), (Int16Result{32767, Range::Inside}));
    EXPECT_EQ(add(32400, 400).range, Range::AboveMax);
    EXPECT_EQ(add(-32768, -1).range, Range::BelowMin);
    EXPECT_EQ(add(3000, -7000), (Int16Result{-4000, Range::Inside}));
    EXPECT_EQ(add(-32768, 32767), (Int16Result{-1, Range::Inside}));
}

TEST(Convert, SubtractionReportsFloatingPointFaults) {
    EXPECT_EQ(*subtract(400.0, 8.0), 392.0);
    EXPECT_FALSE(subtract(std::numeric_limits<double>::infinity(), 8.0).has_value());
    EXPECT_FALSE(subtract(std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()).has_value());
    EXPECT_FALSE(subtract(std::nan(""), 8.0).has_value());
}

}  // namespace
}  // namespace tolm::runtime
