#include "contactfile/contact_file_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "recipients/reader_result.h"
#include "tests/unit/contactfile/fake_contact_file_dialogs.h"
#include "tests/unit/temp_file.h"
#include "tests/unit/test_platform.h"

using namespace recipients;
using namespace contactfile;

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;
using Texts = std::vector<std::string>;

class CsvReaderTest : public testing::Test {
  protected:
    int Read(std::string_view bytes, recipients::SourceKind kind) {
        const TempFile file(bytes);
        return ReadContactFile(file.path(), collection, rejected, kind, dialogs, TestPlatform());
    }

    RecipientCollection collection;
    int rejected = -7;
    FakeContactFileDialogs dialogs;
};

TEST_F(CsvReaderTest, FileErrorsComeBackAsCodes) {
    EXPECT_EQ(ReadContactFile("/nonexistent/x.csv", collection, rejected,
                              recipients::kSourceCsvAutoSearch, dialogs, TestPlatform()),
              kOpenFailed);
    EXPECT_EQ(Read("", recipients::kSourceCsvAutoSearch), kReadFailed);
    EXPECT_EQ(rejected, -7);
    EXPECT_EQ(dialogs.pickCalls, 0);
}

TEST_F(CsvReaderTest, AutomaticSearchWithoutFaxColumnFails) {
    EXPECT_EQ(Read("Name,Phone\nAnn,FAX 1\n", recipients::kSourceCsvAutoSearch), kNoFaxColumn);
    EXPECT_EQ(Read("\n\n\r\n", recipients::kSourceCsvAutoSearch), kNoFaxColumn);
    EXPECT_EQ(dialogs.pickCalls, 0);
}

TEST_F(CsvReaderTest, UnterminatedQuoteInTheHeaderFailsBeforeAnyDialog) {
    EXPECT_EQ(Read("Name,\"Fax\n1,2\n", recipients::kSourceCsvAutoSearch), kBadCsvFormat);
    EXPECT_EQ(Read("Name,\"Fax\n1,2\n", recipients::kSourceCsvMapped), kBadCsvFormat);
    EXPECT_EQ(dialogs.mapCalls, 0);
    EXPECT_EQ(dialogs.pickCalls, 0);
}

TEST_F(CsvReaderTest, AutomaticSearchOffersEveryFaxColumnAndReturnsThePickedCount) {
    EXPECT_EQ(Read("Name,Business Fax,Home Fax\r\nAnn,123,456\r\nBob,,\r\nCy\r\n",
                   recipients::kSourceCsvAutoSearch),
              2);
    EXPECT_EQ(dialogs.countOnPick, 4);
    EXPECT_EQ(dialogs.candidatesShown,
              (Pairs{{"Ann", "123"}, {"Ann", "456"}, {"Bob", ""}, {"Bob", ""}}));
    EXPECT_EQ(rejected, 2);
    EXPECT_EQ(collection.entries, (Texts{"Ann [123]", "Ann [456]"}));
    EXPECT_EQ(dialogs.mapCalls, 0);
}

TEST_F(CsvReaderTest, FirstOfTwoNameColumnsIsTheName) {
    EXPECT_EQ(Read("NAME,NAME,FAX\na,b,1\n", recipients::kSourceCsvAutoSearch), 1);
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"a", "1"}}));
}

TEST_F(CsvReaderTest, ByteOrderMarkDoesNotHideTheNameColumn) {
    EXPECT_EQ(Read("\xEF\xBB\xBFName,Fax\nAnn,1\n", recipients::kSourceCsvAutoSearch), 1);
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"Ann", "1"}}));
}

TEST_F(CsvReaderTest, LastLineWithoutLineFeedIsARecord) {
    EXPECT_EQ(Read("Name,Fax\nAnn,1\nBob,2", recipients::kSourceCsvAutoSearch), 2);
    EXPECT_EQ(collection.entries, (Texts{"Ann [1]", "Bob [2]"}));
}

TEST_F(CsvReaderTest, HeaderOnlyFileOpensAnEmptyPicker) {
    EXPECT_EQ(Read("Name,Fax", recipients::kSourceCsvAutoSearch), 0);
    EXPECT_EQ(dialogs.pickCalls, 1);
    EXPECT_EQ(dialogs.countOnPick, 0);
    EXPECT_EQ(rejected, 0);
}

TEST_F(CsvReaderTest, MappedColumnsComeFromTheDialog) {
    dialogs.mapping = ColumnMapping{2, 0};
    EXPECT_EQ(
        Read("\n\"Fax, main\",Phone,\"Who \"\"is\"\"\"\n1,x,Ann\n", recipients::kSourceCsvMapped),
        1);
    EXPECT_EQ(dialogs.headerShown, (Texts{"Fax, main", "Phone", "Who \"is\""}));
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"Ann", "1"}}));
}

TEST_F(CsvReaderTest, MappedHeaderKeepsItsCase) {
    dialogs.mapping = ColumnMapping{-1, 1};
    EXPECT_EQ(Read("name,fax\nAnn,1\n", recipients::kSourceCsvMapped), 1);
    EXPECT_EQ(dialogs.headerShown, (Texts{"name", "fax"}));
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"", "1"}}));
}

TEST_F(CsvReaderTest, EmptyHeaderIsOfferedForMapping) {
    EXPECT_EQ(Read("\n\n", recipients::kSourceCsvMapped), 0);
    EXPECT_EQ(dialogs.mapCalls, 1);
    EXPECT_TRUE(dialogs.headerShown.empty());
}

TEST_F(CsvReaderTest, CancelledMappingReadsNothing) {
    EXPECT_EQ(Read("Name,Fax\nAnn,1\n", recipients::kSourceCsvMapped), 0);
    EXPECT_EQ(dialogs.pickCalls, 0);
    EXPECT_EQ(rejected, -7);
}

TEST_F(CsvReaderTest, CancelledPickerReturnsZero) {
    dialogs.pickerConfirms = false;
    EXPECT_EQ(Read("Name,Fax\nAnn,1\nBob\n", recipients::kSourceCsvAutoSearch), 0);
    EXPECT_EQ(rejected, 1);
    EXPECT_EQ(collection.count, 0);
}

TEST_F(CsvReaderTest, UnknownKindSearchesTheHeader) {
    EXPECT_EQ(Read("Name,Fax\nAnn,1\n", static_cast<recipients::SourceKind>(9)), 1);
    EXPECT_EQ(dialogs.mapCalls, 0);
}

}  // namespace

namespace {

using namespace std::string_literals;

TEST_F(CsvReaderTest, HostileBytesGiveCleanResults) {
    // A NUL byte ends the text of its line; a line that starts with one is empty.
    EXPECT_EQ(Read("Name,Fax\nA\0nn,1\n\0,2\nB\rob,\r3\r\n"s, recipients::kSourceCsvAutoSearch), 1);
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"B\rob", "3"}}));
    EXPECT_EQ(rejected, 1);
    EXPECT_EQ(Read("\0Name,Fax\n"s, recipients::kSourceCsvAutoSearch), kNoFaxColumn);
    EXPECT_EQ(Read("\"", recipients::kSourceCsvAutoSearch), kBadCsvFormat);
    EXPECT_EQ(Read(",,,", recipients::kSourceCsvAutoSearch), kNoFaxColumn);
}

TEST_F(CsvReaderTest, TenMegabyteLinesAreCutToTheFieldLength) {
    const std::string huge(10'000'000, '7');
    EXPECT_EQ(Read("Name,Fax\n" + huge + "," + huge + "\n\"" + huge + "\n",
                   recipients::kSourceCsvAutoSearch),
              1);
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{std::string(30, '7'), std::string(30, '7')}}));
    EXPECT_EQ(rejected, 1);
}

TEST_F(CsvReaderTest, HundredThousandFieldsStayWithinTheFieldCap) {
    std::string header;
    std::string line;
    for (int i = 0; i < 100'000; ++i) {
        header += "Fax,";
        line += std::to_string(i % 10) + ",";
    }
    EXPECT_EQ(Read(header + "\n" + line + "\n" + line, recipients::kSourceCsvAutoSearch), 2048);
    EXPECT_EQ(dialogs.countOnPick, 2048);
    EXPECT_EQ(dialogs.candidatesShown[1023], (std::pair<std::string, std::string>{"", "3"}));
}

TEST_F(CsvReaderTest, HundredThousandSemicolonsStayWithinTheFieldCap) {
    const std::string semicolons(100'000, ';');
    EXPECT_EQ(Read(semicolons + "Fax\n" + semicolons + "1\n", recipients::kSourceCsvAutoSearch),
              kNoFaxColumn);
    EXPECT_EQ(Read("Fax" + semicolons + "\n\"1\n2\";x\n", recipients::kSourceCsvAutoSearch), 2);
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"", "1"}, {"", "2\""}}));
}

TEST_F(CsvReaderTest, UnterminatedQuotesAnywhereInDataLines) {
    EXPECT_EQ(Read("Name,Fax\n\"\n,\"\nAnn,\"1,2\nBob,\"\"3\nCy,\"4\"\"\n",
                   recipients::kSourceCsvAutoSearch),
              2);
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"", ""}, {"Ann", "12"}, {"Bob", ""}, {"Cy", "4"}}));
    EXPECT_EQ(rejected, 3);
}

// UTF-16 LE bytes with their byte-order mark.
std::string Utf16LittleEndian(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST_F(CsvReaderTest, TitlesOfAnyScriptAreReadBeforeTheConversion) {
    EXPECT_EQ(Read(Utf16LittleEndian(u"\"Имя\",\"Фамилия\",\"Рабочий факс\"\r\n"
                                     u"\"Ivan\",\"Petrov\",\"1\"\r\n"),
                   recipients::kSourceCsvAutoSearch),
              1);
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"Ivan Petrov", "1"}}));
}

TEST_F(CsvReaderTest, NameIsTheLastNameOnlyBesideAFirstNameTitle) {
    EXPECT_EQ(Read("Name,Vorname,Fax\nM\xFCller,Hans,1\n", recipients::kSourceCsvAutoSearch), 1);
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"Hans M\xFCller", "1"}}));
    dialogs.candidatesShown.clear();
    EXPECT_EQ(Read("Name,First Name,Last Name,Fax\nThe Smiths,Ann,Smith,2\n",
                   recipients::kSourceCsvAutoSearch),
              1);
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"The Smiths", "2"}}));
    dialogs.candidatesShown.clear();
    EXPECT_EQ(Read("Nombre;Apellidos;Fax\nAna;Ruiz;3\nLuis;;4\n", recipients::kSourceCsvAutoSearch),
              2);
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"Ana Ruiz", "3"}, {"Luis", "4"}}));
    dialogs.candidatesShown.clear();
    EXPECT_EQ(Read("Nombre;Fax\nAna Ruiz;5\n", recipients::kSourceCsvAutoSearch), 1);
    EXPECT_EQ(dialogs.candidatesShown, (Pairs{{"Ana Ruiz", "5"}}));
}

TEST_F(CsvReaderTest, HundredThousandLocalisedTitlesStayWithinTheFieldCap) {
    std::string header;
    for (int i = 0; i < 100'000; ++i) {
        header +=
            "\"T\xC3\xA9l\xC3\xA9"
            "copie (bureau)\",\"\xD0\x98\xD0\xBC\xD1\x8F\",";
    }
    EXPECT_EQ(Read(header + "\n7,Ann\n", recipients::kSourceCsvAutoSearch), 1);
    EXPECT_EQ(dialogs.countOnPick, 1);
    EXPECT_EQ(dialogs.candidatesShown[0], (std::pair<std::string, std::string>{"Ann", "7"}));
}

TEST_F(CsvReaderTest, ClassicMacFilesAreCutAtCarriageReturns) {
    std::string lines = "Name,Fax\r";
    for (int i = 0; i < 100'000; ++i) {
        lines += "M\x9Fller,1\r";
    }
    EXPECT_EQ(Read(lines, recipients::kSourceCsvAutoSearch), 100'000);
    EXPECT_EQ(dialogs.candidatesShown[99'999],
              (std::pair<std::string, std::string>{"M\xFCller", "1"}));
    // With a line feed anywhere, a carriage return stays an ordinary byte.
    EXPECT_EQ(Read("Name,Fax\rAnn,1\r\n", recipients::kSourceCsvAutoSearch), 0);
    EXPECT_EQ(dialogs.countOnPick, 0);
}

}  // namespace
