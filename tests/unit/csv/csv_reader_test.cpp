#include "csv/csv_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/reader_result.h"
#include "fake_csv_dialogs.h"
#include "temp_csv_file.h"

namespace {

constexpr int kMapped = 4;
constexpr int kAutomatic = 5;

using Pairs = std::vector<std::pair<std::string, std::string>>;
using Texts = std::vector<std::string>;

class CsvReaderTest : public testing::Test {
  protected:
    int Read(std::string_view bytes, int kind) {
        const TempCsvFile file(bytes);
        return ReadCsvSource(file.path(), collection, rejected, kind, dialogs);
    }

    RecipientCollection collection;
    int rejected = -7;
    FakeCsvDialogs dialogs;
};

TEST_F(CsvReaderTest, FileErrorsComeBackAsCodes) {
    EXPECT_EQ(ReadCsvSource("/nonexistent/x.csv", collection, rejected, kAutomatic, dialogs),
              kOpenFailed);
    EXPECT_EQ(Read("", kAutomatic), kReadFailed);
    EXPECT_EQ(rejected, -7);
    EXPECT_EQ(dialogs.pickCalls, 0);
}

TEST_F(CsvReaderTest, AutomaticSearchWithoutFaxColumnFails) {
    EXPECT_EQ(Read("Name,Phone\nAnn,FAX 1\n", kAutomatic), kNoFaxColumn);
    EXPECT_EQ(Read("\n\n\r\n", kAutomatic), kNoFaxColumn);
    EXPECT_EQ(dialogs.pickCalls, 0);
}

TEST_F(CsvReaderTest, UnterminatedQuoteInTheHeaderFailsBeforeAnyDialog) {
    EXPECT_EQ(Read("Name,\"Fax\n1,2\n", kAutomatic), kBadCsvFormat);
    EXPECT_EQ(Read("Name,\"Fax\n1,2\n", kMapped), kBadCsvFormat);
    EXPECT_EQ(dialogs.mapCalls, 0);
    EXPECT_EQ(dialogs.pickCalls, 0);
}

TEST_F(CsvReaderTest, AutomaticSearchOffersEveryFaxColumnAndReturnsThePickedCount) {
    EXPECT_EQ(Read("Name,Business Fax,Home Fax\r\nAnn,123,456\r\nBob,,\r\nCy\r\n", kAutomatic), 2);
    EXPECT_EQ(dialogs.countOnPick, 4);
    EXPECT_EQ(dialogs.candidatesShown,
              (Pairs{{"Ann", "123"}, {"Ann", "456"}, {"Bob", ""}, {"Bob", ""}}));
    EXPECT_EQ(rejected, 2);
    EXPECT_EQ(collection.entries, (Texts{"Ann [123]", "Ann [456]"}));
    EXPECT_EQ(dialogs.mapCalls, 0);
}

TEST_F(CsvReaderTest, FirstOfTwoNameColumnsIsTheName) {
    EXPECT_EQ(Read("NAME,NAME,FAX\na,b,1\n", kAutomatic), 1);
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"a", "1"}}));
}

TEST_F(CsvReaderTest, ByteOrderMarkDoesNotHideTheNameColumn) {
    EXPECT_EQ(Read("\xEF\xBB\xBFName,Fax\nAnn,1\n", kAutomatic), 1);
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"Ann", "1"}}));
}

TEST_F(CsvReaderTest, LastLineWithoutLineFeedIsARecord) {
    EXPECT_EQ(Read("Name,Fax\nAnn,1\nBob,2", kAutomatic), 2);
    EXPECT_EQ(collection.entries, (Texts{"Ann [1]", "Bob [2]"}));
}

TEST_F(CsvReaderTest, HeaderOnlyFileOpensAnEmptyPicker) {
    EXPECT_EQ(Read("Name,Fax", kAutomatic), 0);
    EXPECT_EQ(dialogs.pickCalls, 1);
    EXPECT_EQ(dialogs.countOnPick, 0);
    EXPECT_EQ(rejected, 0);
}

TEST_F(CsvReaderTest, MappedColumnsComeFromTheDialog) {
    dialogs.mapping = ColumnMapping{2, 0};
    EXPECT_EQ(Read("\n\"Fax, main\",Phone,\"Who \"\"is\"\"\"\n1,x,Ann\n", kMapped), 1);
    EXPECT_EQ(dialogs.headerShown, (Texts{"Fax, main", "Phone", "Who \"is\""}));
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"Ann", "1"}}));
}

TEST_F(CsvReaderTest, MappedHeaderKeepsItsCase) {
    dialogs.mapping = ColumnMapping{-1, 1};
    EXPECT_EQ(Read("name,fax\nAnn,1\n", kMapped), 1);
    EXPECT_EQ(dialogs.headerShown, (Texts{"name", "fax"}));
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"", "1"}}));
}

TEST_F(CsvReaderTest, EmptyHeaderIsOfferedForMapping) {
    EXPECT_EQ(Read("\n\n", kMapped), 0);
    EXPECT_EQ(dialogs.mapCalls, 1);
    EXPECT_TRUE(dialogs.headerShown.empty());
}

TEST_F(CsvReaderTest, CancelledMappingReadsNothing) {
    EXPECT_EQ(Read("Name,Fax\nAnn,1\n", kMapped), 0);
    EXPECT_EQ(dialogs.pickCalls, 0);
    EXPECT_EQ(rejected, -7);
}

TEST_F(CsvReaderTest, CancelledPickerReturnsZero) {
    dialogs.pickerConfirms = false;
    EXPECT_EQ(Read("Name,Fax\nAnn,1\nBob\n", kAutomatic), 0);
    EXPECT_EQ(rejected, 1);
    EXPECT_EQ(collection.count, 0);
}

TEST_F(CsvReaderTest, UnknownKindSearchesTheHeader) {
    EXPECT_EQ(Read("Name,Fax\nAnn,1\n", 9), 1);
    EXPECT_EQ(dialogs.mapCalls, 0);
}

}  // namespace
