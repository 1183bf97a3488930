#include "csv/csv_splitter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "text/padded_search.h"

using namespace csv;
using namespace std::string_view_literals;

namespace {

struct Split {
    int result = 0;
    int found = 0;
    std::vector<std::string> fields;  // the found slots
};

Split SplitText(std::string line) {
    CsvFieldTable table{};
    table[0] = line.data();
    Split split;
    split.result = SplitCsvLine(table, &split.found);
    for (int i = 0; i < split.found; ++i) {
        split.fields.emplace_back(table[i]);
    }
    return split;
}

using Fields = std::vector<std::string>;

struct DialectCase {
    const char* line;
    int result;
    Fields fields;
};

class SplitCsvLineDialect : public testing::TestWithParam<DialectCase> {};

TEST_P(SplitCsvLineDialect, GivesTheFieldsOfTheLine) {
    const DialectCase& c = GetParam();
    const Split split = SplitText(c.line);
    EXPECT_EQ(split.result, c.result);
    EXPECT_EQ(split.fields, c.fields);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitCsvLineDialect,
    testing::Values(
        DialectCase{"a,\"b,c\",d", 3, {"a", "b,c", "d"}},
        DialectCase{"\"x\"\"y\"\"\",z", 2, {"x\"y\"", "z"}},
        DialectCase{"\"abc\"def,g", 2, {"abc", "g"}}, DialectCase{"a,", 2, {"a", ""}},
        DialectCase{"", 0, {}}, DialectCase{",,", 3, {"", "", ""}}, DialectCase{"\"\"", 1, {""}},
        DialectCase{"\"\",x", 2, {"", "x"}}, DialectCase{"a\"b\"c,d", 2, {"a\"b\"c", "d"}},
        DialectCase{" \"a,b\"", 2, {" \"a", "b\""}}, DialectCase{"\"a\"\"\"", 1, {"a\""}},
        DialectCase{"\"\"\"\"", 1, {"\""}}, DialectCase{"\"a\"\"b,c", 2, {"a", "c"}},
        DialectCase{"\"a\"x\"y\",z", 2, {"a", "z"}}, DialectCase{"a\r,b", 2, {"a\r", "b"}},
        DialectCase{"\t a ,b ", 2, {"\t a ", "b "}}));

TEST(SplitCsvLine, UnterminatedQuoteReportsTheFieldsFoundUpToTheEndOfTheLine) {
    const Split split = SplitText("a,b,\"c,d");
    EXPECT_EQ(split.result, kCsvBadFormat);
    EXPECT_EQ(split.fields, (Fields{"a", "b", "c,d"}));

    const Split first = SplitText("\"abc,d");
    EXPECT_EQ(first.result, kCsvBadFormat);
    EXPECT_EQ(first.fields, (Fields{"abc,d"}));
}

TEST(SplitCsvLine, EmptyLineChangesNoSlot) {
    std::string line;
    char marker = 'm';
    CsvFieldTable table{};
    table.fill(&marker);
    table[0] = line.data();
    int found = -1;
    EXPECT_EQ(SplitCsvLine(table, &found), 0);
    EXPECT_EQ(found, 0);
    EXPECT_EQ(table[1], &marker);
}

TEST(SplitCsvLine, StopsAtTheThousandTwentyFourthSeparator) {
    std::string line(1100, ',');
    CsvFieldTable table{};
    table[0] = line.data();
    int found = 0;
    EXPECT_EQ(SplitCsvLine(table, &found), 1024);
    EXPECT_EQ(found, 1024);
    EXPECT_STREQ(table[1023], "");
    // The rest after the 1024th comma stays unsplit in the extra slot.
    EXPECT_EQ(std::string(table[1024]), std::string(1100 - 1024, ','));
}

TEST(SplitCsvLine, CountsExactlyThousandTwentyFourFields) {
    std::string line;
    for (int i = 0; i < 1023; ++i) {
        line += std::to_string(i) + ",";
    }
    line += "last";
    CsvFieldTable table{};
    table[0] = line.data();
    EXPECT_EQ(SplitCsvLine(table), 1024);
    EXPECT_STREQ(table[0], "0");
    EXPECT_STREQ(table[1023], "last");
    EXPECT_EQ(table[1024], nullptr);
}

TEST(SplitCsvLine, QuotedCommasDoNotCountTowardsTheCap) {
    std::string line = "\"" + std::string(5000, ',') + "\",x";
    CsvFieldTable table{};
    table[0] = line.data();
    EXPECT_EQ(SplitCsvLine(table), 2);
    EXPECT_EQ(std::string(table[0]), std::string(5000, ','));
    EXPECT_STREQ(table[1], "x");
}

TEST(SplitCsvLine, ManyDoubledQuotesCollapseInPlace) {
    std::string text;
    std::string expected;
    for (int i = 0; i < 10000; ++i) {
        text += "ab\"\"";
        expected += "ab\"";
    }
    std::string line = "\"" + text + "\",tail";
    CsvFieldTable table{};
    table[0] = line.data();
    EXPECT_EQ(SplitCsvLine(table), 2);
    EXPECT_EQ(std::string(table[0]), expected);
    EXPECT_STREQ(table[1], "tail");
}

// A split of a file image's line reads whole blocks and may stop after the fields it is asked
// for. Lines that end right at the image's end, of every length and with quotes, delimiters and
// NULs anywhere, give the same fields up to that point as the plain split, and the same verdict
// on the line's form.
TEST(SplitImageLineUpTo, MatchesThePlainSplitUpToTheLastFieldRead) {
    constexpr std::string_view kBytes = "a,\"\" ;\0"sv;
    std::mt19937 random(11);
    for (int round = 0; round < 20000; ++round) {
        std::string line(random() % 40, ' ');
        for (char& c : line) {
            c = kBytes[random() % kBytes.size()];
        }
        const int lastRead = static_cast<int>(random() % 4);
        std::vector<char> image(line.size() + 1 + text::kSearchPadding, '\0');
        std::copy(line.begin(), line.end(), image.begin());
        CsvFieldTable table{};
        table[0] = image.data();
        int found = 0;
        const int result = SplitImageLineUpTo(table, lastRead, &found, ',');

        const Split whole = SplitText(line);
        ASSERT_EQ(result == kCsvBadFormat, whole.result == kCsvBadFormat) << line;
        ASSERT_EQ(std::min(found, lastRead + 1), std::min(whole.found, lastRead + 1)) << line;
        for (int i = 0; i < std::min(found, lastRead + 1); ++i) {
            EXPECT_EQ(table[i], whole.fields[i]) << line;
        }
    }
}

}  // namespace
