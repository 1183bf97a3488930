#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "contactfile/contact_file_reader.h"
#include "tests/unit/contactfile/fake_contact_file_dialogs.h"
#include "tests/unit/test_platform.h"

using namespace recipients;
using namespace contactfile;
using namespace csv;

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

class RecordJoiningTest : public testing::Test {
  protected:
    Pairs Read(std::string_view bytes) {
        dialogs.candidatesShown.clear();
        text::TextImage image;
        EXPECT_EQ(image.Assign(bytes, TestPlatform()), 0);
        RecipientCollection collection;
        ReadContactImage(image, "joined.csv", collection, rejected,
                         recipients::kSourceCsvAutoSearch, dialogs, TestPlatform());
        return dialogs.candidatesShown;
    }

    FakeContactFileDialogs dialogs;
    int rejected = -1;
};

TEST_F(RecordJoiningTest, QuotedFieldRunsOnAcrossLineBreaksThatBecomeBlanks) {
    EXPECT_EQ(Read("Name,Street,Fax\r\n\"Ann\r\nMarie\",\"1 Main St\r\n\r\nSuite \"\"B\"\"\",12\r\n"
                   "Bob,x,34\r\n"),
              (Pairs{{"Ann Marie", "12"}, {"Bob", "34"}}));
    EXPECT_EQ(Read("Name;Fax\n\"Ann\nB\"\"\nC\";5\n"), (Pairs{{"Ann B\" C", "5"}}));
    EXPECT_EQ(rejected, 0);
}

TEST_F(RecordJoiningTest, LineStandsAloneUnlessTheJoinedRecordFitsTheHeader) {
    // The closing quote is followed by text, the joined record has a field too many, the closing
    // quote never comes.
    EXPECT_EQ(Read("Name,Fax\n\"Ann\nB\"x,1\n\"Cy\nD\",2,3\n\"Eve,4\nFay,5\n"),
              (Pairs{{"B\"x", "1"}, {"D\"", "2"}, {"Fay", "5"}}));
    EXPECT_EQ(rejected, 3);
}

TEST_F(RecordJoiningTest, RecordMustEndWithinThirtyTwoLinesAfterItsFirst) {
    const auto file = [](int breaks) {
        std::string text = "Name,Fax\nAnn,\"";
        for (int i = 0; i < breaks; ++i) {
            text += "\n";
        }
        return text + "1\"\n";
    };
    EXPECT_EQ(Read(file(32)), (Pairs{{"Ann", "1"}}));
    EXPECT_EQ(Read(file(33)), (Pairs{{"Ann", ""}}));
    EXPECT_EQ(rejected, 2);
}

}  // namespace
