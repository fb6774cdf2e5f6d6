// The integer reader and writer of the numeric edits.
#include <gtest/gtest.h>

#include <climits>

#include "ui/integer_text.h"

TEST(IntegerText, ReadsDecimalAndHexadecimalForms)
{
    EXPECT_EQ(ReadInteger("0"), 0);
    EXPECT_EQ(ReadInteger("42"), 42);
    EXPECT_EQ(ReadInteger("   42"), 42);
    EXPECT_EQ(ReadInteger("+42"), 42);
    EXPECT_EQ(ReadInteger("-42"), -42);
    EXPECT_EQ(ReadInteger("007"), 7);
    EXPECT_EQ(ReadInteger("$1F"), 31);
    EXPECT_EQ(ReadInteger("x1f"), 31);
    EXPECT_EQ(ReadInteger("X1F"), 31);
    EXPECT_EQ(ReadInteger("0x1F"), 31);
    EXPECT_EQ(ReadInteger("0XaB"), 171);
    EXPECT_EQ(ReadInteger("-$10"), -16);
    EXPECT_EQ(ReadInteger(" +0x10"), 16);
}

TEST(IntegerText, RejectsAnythingElse)
{
    for (const char* Text : {"", "   ", "-", "+", "$", "x", "0x", "12a", "1 ", " 1 2", "--1", "+-1", "1.5", "1e3",
                             "$G", "0x1G", "12$", "- 1", "\t1", "0b1"})
        EXPECT_FALSE(ReadInteger(Text).has_value()) << '"' << Text << '"';
}

TEST(IntegerText, KeepsToSigned32BitsWithoutWrapping)
{
    EXPECT_EQ(ReadInteger("2147483647"), INT_MAX);
    EXPECT_EQ(ReadInteger("-2147483648"), INT_MIN);
    EXPECT_EQ(ReadInteger("$7FFFFFFF"), INT_MAX);
    EXPECT_EQ(ReadInteger("-$80000000"), INT_MIN);
    EXPECT_EQ(ReadInteger("0000000000002147483647"), INT_MAX);
    for (const char* Text : {"2147483648", "-2147483649", "$80000000", "$FFFFFFFF", "0x100000000",
                             "99999999999999999999999", "-$80000001"})
        EXPECT_FALSE(ReadInteger(Text).has_value()) << Text;
}

TEST(IntegerText, WritesPlainDecimal)
{
    EXPECT_EQ(WriteInteger(0), "0");
    EXPECT_EQ(WriteInteger(-17), "-17");
    EXPECT_EQ(WriteInteger(INT_MIN), "-2147483648");
    EXPECT_EQ(ReadInteger(WriteInteger(INT_MAX)), INT_MAX);
}
