#include "speeddial/decimal_text.h"

#include <gtest/gtest.h>

#include <limits>

using namespace speeddial;

namespace {

TEST(ParseDecimal, ReadsOnlyPlainDigits) {
    EXPECT_EQ(ParseDecimal("0"), 0);
    EXPECT_EQ(ParseDecimal("42"), 42);
    EXPECT_EQ(ParseDecimal("007"), 7);
    EXPECT_EQ(ParseDecimal(""), 0);
    EXPECT_EQ(ParseDecimal("12a"), 0);
    EXPECT_EQ(ParseDecimal("-1"), 0);
    EXPECT_EQ(ParseDecimal("+1"), 0);
    EXPECT_EQ(ParseDecimal(" 1"), 0);
    EXPECT_EQ(ParseDecimal("1 "), 0);
}

TEST(ParseDecimal, WrapsAroundIn32Bits) {
    EXPECT_EQ(ParseDecimal("2147483647"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ParseDecimal("2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ParseDecimal("4294967295"), -1);
    EXPECT_EQ(ParseDecimal("4294967296"), 0);
    EXPECT_EQ(ParseDecimal("4294967298"), 2);
    EXPECT_EQ(ParseDecimal("99999999999"), 1215752191);
}

TEST(ParseLeadingDecimal, ReadsTheLeadingNumberOfAText) {
    EXPECT_EQ(ParseLeadingDecimal("17"), 17);
    EXPECT_EQ(ParseLeadingDecimal(" \t4 fine"), 4);
    EXPECT_EQ(ParseLeadingDecimal("3abc"), 3);
    EXPECT_EQ(ParseLeadingDecimal("-5"), -5);
    EXPECT_EQ(ParseLeadingDecimal("+6"), 6);
    EXPECT_EQ(ParseLeadingDecimal("abc"), 0);
    EXPECT_EQ(ParseLeadingDecimal(""), 0);
    EXPECT_EQ(ParseLeadingDecimal("- 5"), 0);
}

TEST(ParseLeadingDecimal, SaturatesBeyond32Bits) {
    EXPECT_EQ(ParseLeadingDecimal("4294967298"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ParseLeadingDecimal("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ParseLeadingDecimal("-99999999999999999999999"),
              std::numeric_limits<std::int32_t>::min());
}

}  // namespace
