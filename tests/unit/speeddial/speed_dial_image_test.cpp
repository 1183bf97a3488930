#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "recipients/reader_result.h"
#include "speeddial/speed_dial_reader.h"
#include "tests/unit/test_platform.h"
#include "text/text_image.h"

using namespace recipients;
using namespace speeddial;

namespace {

class ParseSpeedDialImageTest : public testing::Test {
  protected:
    // An image of no bytes is left without lines, as an empty file would be.
    int Parse(std::string_view text) {
        text::TextImage image;
        image.Assign(text, TestPlatform());
        return ParseSpeedDialImage(image, collection, rejected, records);
    }

    RecipientCollection collection;
    SpeedDialRecords records;
    int rejected = -99;
};

class SpeedDialHeader : public ParseSpeedDialImageTest,
                        public testing::WithParamInterface<std::pair<const char*, bool>> {};

TEST_P(SpeedDialHeader, IsCheckedFieldByField) {
    const auto [header, valid] = GetParam();
    const int result = Parse(std::string(header) + "\n1,X,0123\n");
    if (valid) {
        EXPECT_EQ(result, 1);
        EXPECT_EQ(rejected, 0);
    } else {
        EXPECT_EQ(result, kBadSpeedDialFormat);
        EXPECT_EQ(rejected, -99);
        EXPECT_TRUE(records.empty());
        EXPECT_TRUE(collection.speedDialNumbers.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SpeedDialHeader,
    testing::Values(std::pair{"*,1,0,2", true}, std::pair{"*,1,0,0", true},
                    std::pair{"*, 1 , 0 ,1", true}, std::pair{"*,1,0,abc", true},
                    std::pair{"*,1,0,", true}, std::pair{"\"*\",1,0,2", true},
                    std::pair{"*,1,0,2,anything,else", true}, std::pair{"*,1,0,3", false},
                    std::pair{" *,1,0,2", false}, std::pair{"*,1,1,2", false},
                    std::pair{"*,1,0", false}, std::pair{"*", false}, std::pair{"x,1,0,2", false},
                    std::pair{"*,01,0,2", false}, std::pair{"*,1,0,4294967297", true}));

TEST_F(ParseSpeedDialImageTest, FindsTheHeaderAfterEmptyLines) {
    EXPECT_EQ(Parse("\n\r\n\n*,1,0,2\n1,X,0123\n"), 1);
    EXPECT_EQ(Parse("\n\n\n"), kBadSpeedDialFormat);
}

TEST_F(ParseSpeedDialImageTest, AnImageWithoutLinesReadsNothing) {
    EXPECT_EQ(Parse(""), kReadFailed);
    EXPECT_EQ(rejected, -99);
    EXPECT_TRUE(records.empty());
}

TEST_F(ParseSpeedDialImageTest, AFileWithoutLineFeedIsAllHeader) {
    EXPECT_EQ(Parse("*,1,0,2"), 0);
    EXPECT_EQ(collection.count, 0);
    EXPECT_EQ(rejected, 0);
}

TEST_F(ParseSpeedDialImageTest, ReadsTheColumnsOfADataLine) {
    ASSERT_EQ(Parse("*,1,0,2\n12,X,03-1234 5678,Sales [HQ],,,4\n"), 1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(FieldText(records[0].faxNumber), "03-12345678");
    EXPECT_EQ(FieldText(records[0].name), "Sales (HQ)");
    EXPECT_EQ(records[0].commMode, 2);
    EXPECT_EQ(collection.speedDialNumbers, TextList{"12"});
    EXPECT_EQ(collection.commModeTexts, TextList{"4"});
    EXPECT_EQ(collection.secureFaxTexts, TextList{""});
    EXPECT_EQ(collection.relayFaxTexts, TextList{""});
    EXPECT_EQ(collection.fCodeTexts, TextList{""});
    EXPECT_EQ(collection.count, 1);
    EXPECT_TRUE(collection.entries.empty());
}

TEST_F(ParseSpeedDialImageTest, KeepsOptionTextsAsTheyStand) {
    ASSERT_EQ(Parse("*,1,0,2\n 3 ,P,0123,Ann,a,b, 2 ,c,d,e,f, LJWw ,P1/2,g,LJWw:x,h,i,j\n"), 1);
    EXPECT_EQ(collection.speedDialNumbers, TextList{"3"});
    EXPECT_EQ(collection.commModeTexts, TextList{"2"});
    EXPECT_EQ(records[0].commMode, 1);
    EXPECT_EQ(collection.secureFaxTexts, TextList{" LJWw "});
    EXPECT_EQ(collection.relayFaxTexts, TextList{"P1/2"});
    EXPECT_EQ(collection.fCodeTexts, TextList{"LJWw:x"});
}

TEST_F(ParseSpeedDialImageTest, NeedsOnlyNumberTypeAndFax) {
    ASSERT_EQ(Parse("*,1,0,2\n7,P,0123\n"), 1);
    const SpeedDialRecord& record = records[0];
    EXPECT_EQ(FieldText(record.name), "");
    EXPECT_EQ(record.commMode, 0);
    EXPECT_EQ(record.transmissionType, '0');
    EXPECT_EQ(record.relayPFlag, '0');
    EXPECT_EQ(collection.commModeTexts, TextList{""});
}

class RejectedLine : public ParseSpeedDialImageTest,
                     public testing::WithParamInterface<const char*> {};

TEST_P(RejectedLine, LeavesNoTrace) {
    EXPECT_EQ(Parse(std::string("*,1,0,2\n") + GetParam() + "\n9,X,999\n"), 1);
    EXPECT_EQ(rejected, 1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(FieldText(records[0].faxNumber), "999");
    EXPECT_EQ(collection.speedDialNumbers, TextList{"9"});
    EXPECT_EQ(collection.secureFaxTexts.size(), 1u);
    EXPECT_EQ(collection.relayFaxTexts.size(), 1u);
    EXPECT_EQ(collection.fCodeTexts.size(), 1u);
    EXPECT_EQ(collection.commModeTexts.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Examples, RejectedLine,
                         testing::Values("1,x,0123", "1, X,0123", "1,Y,0123", "1,,0123", ",X,0123",
                                         "   ,X,0123", "1,X", "1,X,   ", "1,X,[],Name", "*,X",
                                         "1"));

TEST_F(ParseSpeedDialImageTest, TakesTheCommModeFromTheLeadingNumber) {
    const std::pair<const char*, int> cases[] = {
        {"2", 1},   {"3", 1},      {"4", 2},  {"1", 0},  {"5", 0},         {"", 0},
        {"abc", 0}, {"4 fast", 2}, {"+3", 1}, {"-2", 0}, {"4294967300", 0}};
    std::string text = "*,1,0,2\n";
    for (const auto& [mode, value] : cases) {
        text += "1,X,0123,,,," + std::string(mode) + "\n";
    }
    ASSERT_EQ(Parse(text), static_cast<int>(std::size(cases)));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(records[i].commMode, cases[i].second) << cases[i].first;
        EXPECT_EQ(collection.commModeTexts[i], cases[i].first);
    }
}

TEST_F(ParseSpeedDialImageTest, CutsLongFaxNumbersAndNames) {
    const std::string fax = "0123456789012345678901234567890123-";
    const std::string name = "A name that runs on for forty bytes long";
    ASSERT_EQ(Parse("*,1,0,2\n1,X," + fax + "," + name + "\n"), 1);
    EXPECT_EQ(FieldText(records[0].faxNumber), fax.substr(0, 30));
    EXPECT_EQ(FieldText(records[0].name), name.substr(0, 30));
}

TEST_F(ParseSpeedDialImageTest, TheEndLineEndsTheData) {
    EXPECT_EQ(Parse("*,1,0,2\n1,X,0123\n*\n2,X,0456\n"), 1);
    EXPECT_EQ(rejected, 0);
    EXPECT_EQ(collection.speedDialNumbers, TextList{"1"});
}

TEST_F(ParseSpeedDialImageTest, ALineNeverTakesFieldsOfAnEarlierLine) {
    ASSERT_EQ(Parse("*,1,0,2\n4,X,0123,Ann,,,4,,,,,s,r,,f\n5,X,0456\n"), 2);
    EXPECT_EQ(FieldText(records[1].name), "");
    EXPECT_EQ(records[1].commMode, 0);
    EXPECT_EQ(collection.secureFaxTexts, (TextList{"s", ""}));
    EXPECT_EQ(collection.relayFaxTexts, (TextList{"r", ""}));
    EXPECT_EQ(collection.fCodeTexts, (TextList{"f", ""}));
}

TEST_F(ParseSpeedDialImageTest, SkipsEmptyLinesWithoutCountingThem) {
    EXPECT_EQ(Parse("*,1,0,2\r\n\r\n1,X,0123\r\n\n\r\n2,X,0456\r\n"), 2);
    EXPECT_EQ(rejected, 0);
    EXPECT_EQ(FieldText(records[1].faxNumber), "0456");
}

TEST_F(ParseSpeedDialImageTest, ReadsALastLineWithoutLineFeed) {
    EXPECT_EQ(Parse("*,1,0,2\n1,X,0123\n2,X,0456"), 2);
    EXPECT_EQ(collection.speedDialNumbers, (TextList{"1", "2"}));
    EXPECT_EQ(Parse("*,1,0,2\r\n1,X,0123\r\n3,X,0789\r"), 2);
}

TEST_F(ParseSpeedDialImageTest, SkipsAUtf8ByteOrderMark) {
    EXPECT_EQ(Parse("\xEF\xBB\xBF*,1,0,2\n1,X,0123\n"), 1);
    EXPECT_EQ(Parse("\xEF\xBB\xBF\n*,1,0,2\n1,X,0123\n"), 1);
}

TEST_F(ParseSpeedDialImageTest, TakesALineWithAnUnterminatedQuote) {
    ASSERT_EQ(Parse("*,1,0,2\n8,X,0123,\"Open, quote\n"), 1);
    EXPECT_EQ(FieldText(records[0].name), "Open, quote");
}

TEST_F(ParseSpeedDialImageTest, KeepsLongSpeedDialNumbersWhole) {
    const std::string number(600, '7');
    ASSERT_EQ(Parse("*,1,0,2\n" + number + ",X,0123\n"), 1);
    EXPECT_EQ(collection.speedDialNumbers, TextList{number});
}

TEST_F(ParseSpeedDialImageTest, LooksAtNoFieldBeyondSixteen) {
    std::string line = "1,X,0123";
    for (int i = 3; i < 1100; ++i) {
        line += ",f" + std::to_string(i);
    }
    ASSERT_EQ(Parse("*,1,0,2\n" + line + "\n"), 1);
    EXPECT_EQ(FieldText(records[0].name), "f3");
    EXPECT_EQ(collection.fCodeTexts, TextList{"f14"});
}

TEST_F(ParseSpeedDialImageTest, AllRejectedLinesGiveAnEmptyList) {
    EXPECT_EQ(Parse("*,1,0,2\n1,Y,0123\n2,X,\n"), 0);
    EXPECT_EQ(rejected, 2);
    EXPECT_EQ(collection.count, 0);
}

}  // namespace
