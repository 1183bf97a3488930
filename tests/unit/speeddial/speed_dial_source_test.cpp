#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "recipients/reader_result.h"
#include "speeddial/speed_dial_reader.h"
#include "tests/unit/test_platform.h"

using namespace recipients;
using namespace speeddial;

namespace {

// Stands in for the picker: records what it was shown and chooses the given record indices.
class FakeDialogs : public SpeedDialDialogs {
  public:
    int PickEntries(std::string_view fileName, const SpeedDialRecords& records,
                    RecipientCollection& collection) override {
        shownFile = fileName;
        offered = collection.count;
        offeredRecords = records.size();
        collection.count = 0;
        if (endCode != 1) {
            return endCode;
        }
        collection.speedDialNumbers.clear();
        for (const std::string& index : chosen) {
            collection.entries.push_back("entry " + index);
            collection.speedDialNumbers.push_back(index);
            ++collection.count;
        }
        return endCode;
    }

    int endCode = 1;
    TextList chosen;
    std::string shownFile;
    int offered = -1;
    std::size_t offeredRecords = 0;
};

class ReadSpeedDialSourceTest : public testing::Test {
  protected:
    void SetUp() override {
        path = (std::filesystem::path(testing::TempDir()) /
                ("speeddial_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 testing::UnitTest::GetInstance()->current_test_info()->name() + ".csv"))
                   .string();
    }
    void TearDown() override { std::filesystem::remove(path); }

    void WriteFile(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    int Read() {
        return ReadSpeedDialSource(path, collection, rejected, records, dialogs, TestPlatform());
    }

    std::string path;
    RecipientCollection collection;
    SpeedDialRecords records;
    FakeDialogs dialogs;
    int rejected = -99;
};

TEST_F(ReadSpeedDialSourceTest, AMissingFileCannotBeOpened) {
    EXPECT_EQ(Read(), kOpenFailed);
    EXPECT_EQ(rejected, -99);
    EXPECT_EQ(dialogs.offered, -1);
}

TEST_F(ReadSpeedDialSourceTest, AnEmptyFileReadsNothing) {
    WriteFile("");
    EXPECT_EQ(Read(), kReadFailed);
    EXPECT_EQ(dialogs.offered, -1);
}

TEST_F(ReadSpeedDialSourceTest, ABadHeaderShowsNoPicker) {
    WriteFile("*,1,0,3\n1,X,0123\n");
    EXPECT_EQ(Read(), kBadSpeedDialFormat);
    EXPECT_EQ(dialogs.offered, -1);
}

TEST_F(ReadSpeedDialSourceTest, OffersTheAcceptedRecordsAndReturnsTheChosenCount) {
    WriteFile("*,1,0,2\n1,X,0123\n2,Y,0456\n3,P,0789\n");
    dialogs.chosen = {"1", "0"};
    EXPECT_EQ(Read(), 2);
    EXPECT_EQ(dialogs.shownFile, path);
    EXPECT_EQ(dialogs.offered, 2);
    EXPECT_EQ(dialogs.offeredRecords, 2u);
    EXPECT_EQ(rejected, 1);
    EXPECT_EQ(collection.count, 2);
    // The record buffer stays with the caller for the result file.
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(FieldText(records[1].faxNumber), "0789");
}

TEST_F(ReadSpeedDialSourceTest, CancelReturnsZeroAndKeepsTheRecords) {
    WriteFile("*,1,0,2\n1,X,0123\n");
    dialogs.endCode = 2;
    EXPECT_EQ(Read(), 0);
    EXPECT_EQ(collection.count, 0);
    EXPECT_TRUE(collection.entries.empty());
    EXPECT_EQ(records.size(), 1u);
    EXPECT_EQ(collection.speedDialNumbers, TextList{"1"});
}

TEST_F(ReadSpeedDialSourceTest, APickerThatCannotBeShownImportsNothing) {
    WriteFile("*,1,0,2\n1,X,0123\n");
    dialogs.endCode = -1;
    EXPECT_EQ(Read(), 0);
    EXPECT_EQ(collection.count, 0);
}

TEST_F(ReadSpeedDialSourceTest, OkWithNothingChosenReturnsZero) {
    WriteFile("*,1,0,2\n1,Y,0123\n");
    EXPECT_EQ(Read(), 0);
    EXPECT_EQ(dialogs.offered, 0);
    EXPECT_EQ(rejected, 1);
}

}  // namespace
