// The integer reader and writer of the numeric edits.
#include <gtest/gtest.h>

#include <climits>
#include <utility>

#include "ui/integer_text.h"

TEST(IntegerText, ReadsDecimalAndHexadecimalWithin32Bits)
{
    const std::pair<const char*, int> Valid[] = {
        {"0", 0},          {"  42", 42},       {"+42", 42},        {"-42", -42},      {"007", 7},
        {"$1F", 31},       {"x1f", 31},        {"X1F", 31},        {"0x1F", 31},      {"-0XaB", -171},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"$7FFFFFFF", INT_MAX}, {"-$80000000", INT_MIN},
    };
    for (const auto& [Text, Value] : Valid) EXPECT_EQ(ReadInteger(Text), Value) << Text;

    for (const char* Text : {"", "   ", "-", "+", "$", "0x", "12a", "1 ", "--1", "- 1", "1.5", "$G", "\t1",
                             "2147483648", "-2147483649", "$80000000", "$FFFFFFFF", "99999999999999999999"})
        EXPECT_FALSE(ReadInteger(Text).has_value()) << '"' << Text << '"';

    EXPECT_EQ(WriteInteger(-17), "-17");
    EXPECT_EQ(WriteInteger(INT_MIN), "-2147483648");
}
