#include "csv/csv_candidates.h"
#include "tests/unit/code_page_scope.h"
#include "tests/unit/test_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace csv;

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

struct Read {
    int result = 0;
    Pairs candidates;
    int rejected = 0;
};

// Candidates from the lines after the header of bytes, with the given columns.
Read ReadAfterHeader(std::string_view bytes, CsvColumns columns) {
    text::TextImage image;
    EXPECT_EQ(image.Assign(bytes, TestPlatform()), 0);
    text::CutHeaderLine(image);
    recipients::ContactCandidateSet set;
    set.rejectedLines = 99;
    Read read;
    read.result = ReadCandidates(image, columns, set);
    for (const recipients::ContactCandidate& candidate : set.candidates) {
        read.candidates.emplace_back(candidate.Name(), candidate.Fax());
    }
    read.rejected = set.rejectedLines;
    return read;
}

CsvColumns NameAndFax(int name, const std::vector<int>& fax) {
    CsvColumns columns;
    columns.nameColumn = name;
    for (const int column : fax) {
        columns.faxColumns.push_back({column});
    }
    return columns;
}

TEST(FindColumnsByKeyword, NameMustMatchExactlyAndFaxAnywhere) {
    std::string header = "FULL NAME, NAME,NAME,BUSINESS FAX,NAME,FAX NUMBER,FAXES";
    CsvFieldTable fields{};
    fields[0] = header.data();
    const int count = SplitCsvLine(fields);
    const CsvColumns columns = FindColumnsByKeyword(
        fields, count, ReadColumnTitles(fields, count, text::TitleMatcher::ForUnicode()));
    EXPECT_EQ(columns.nameColumn, 2);
    EXPECT_EQ(columns.faxColumns, (std::vector<FaxColumn>{{3}, {5}, {6}}));
}

TEST(UpperCaseAscii, TouchesOnlyAsciiLetters) {
    std::string text =
        "Fax n\xE4m\x82"
        "e1";
    UpperCaseAscii(text.data());
    EXPECT_EQ(text,
              "FAX N\xE4M\x82"
              "E1");

    const CodePageScope codePage(932);
    std::string doubleByte = "fax \x83tax\x82";
    UpperCaseAscii(doubleByte.data());
    EXPECT_EQ(doubleByte, "FAX \x83tAX\x82");
}

TEST(ReadCandidates, OneCandidatePerLineAndFaxColumnInOrder) {
    const Read read = ReadAfterHeader("Name,Business Fax,Home Fax\nAnn,123,456\nBob,,\nCy\n",
                                      NameAndFax(0, {1, 2}));
    EXPECT_EQ(read.result, 0);
    EXPECT_EQ(read.candidates, (Pairs{{"Ann", "123"}, {"Ann", "456"}, {"Bob", ""}, {"Bob", ""}}));
    EXPECT_EQ(read.rejected, 2);
}

TEST(ReadCandidates, LastLineWithoutLineFeedIsRead) {
    const Read read = ReadAfterHeader("Name,Fax\nAnn,1\nBob,2", NameAndFax(0, {1}));
    EXPECT_EQ(read.candidates, (Pairs{{"Ann", "1"}, {"Bob", "2"}}));
}

TEST(ReadCandidates, EmptyLinesAreSkippedWithoutBeingRejected) {
    const Read read = ReadAfterHeader("Name,Fax\n\nAnn,1\r\n\r\n\nBob,2x\n", NameAndFax(0, {1}));
    EXPECT_EQ(read.candidates, (Pairs{{"Ann", "1"}, {"Bob", "2X"}}));
    EXPECT_EQ(read.rejected, 0);
}

TEST(ReadCandidates, CleansAndCutsNamesAndFaxNumbers) {
    const std::string longName(40, 'n');
    const std::string longFax = "+49 (30) " + std::string(30, '7');
    const Read read = ReadAfterHeader(
        "Name,Fax\n  [Sales] Team  ,030 / 12 34-5p\n" + longName + "," + longFax + "\n",
        NameAndFax(0, {1}));
    ASSERT_EQ(read.candidates.size(), 2u);
    EXPECT_EQ(read.candidates[0],
              (std::pair<std::string, std::string>{"(Sales) Team", "030/1234-5P"}));
    EXPECT_EQ(read.candidates[1].first, std::string(30, 'n'));
    EXPECT_EQ(read.candidates[1].second, "+49(30)" + std::string(23, '7'));
}

TEST(ReadCandidates, MissingNameColumnGivesEmptyNames) {
    const Read read = ReadAfterHeader("a,b,c\nx,1,y\n1\n", NameAndFax(-1, {1}));
    EXPECT_EQ(read.candidates, (Pairs{{"", "1"}}));
    EXPECT_EQ(read.rejected, 1);
}

TEST(ReadCandidates, NameColumnBeyondTheLineGivesAnEmptyName) {
    const Read read = ReadAfterHeader("Fax,Name\n5\n", NameAndFax(1, {0}));
    EXPECT_EQ(read.candidates, (Pairs{{"", "5"}}));
}

TEST(ReadCandidates, UnterminatedQuoteKeepsTheFieldsOfItsOwnLineOnly) {
    // The long first line leaves pointers in slots that the short broken line never sets.
    const Read read =
        ReadAfterHeader("Name,Fax,Fax\nAnn,1,2\n\"Bob,3,4\nCy,\"5,6\n", NameAndFax(0, {1, 2}));
    EXPECT_EQ(read.candidates, (Pairs{{"Ann", "1"}, {"Ann", "2"}, {"Cy", "56"}}));
    EXPECT_EQ(read.rejected, 1);
}

TEST(ReadCandidates, ManyFaxColumnsOverFewFieldsStayWithinBounds) {
    std::vector<int> faxColumns;
    for (int i = 0; i < 1024; ++i) {
        faxColumns.push_back(i);
    }
    std::string bytes = "h\n";
    for (int i = 0; i < 2000; ++i) {
        bytes += "1,2\n";
    }
    const Read read = ReadAfterHeader(bytes, NameAndFax(-1, faxColumns));
    EXPECT_EQ(read.result, 0);
    EXPECT_EQ(read.candidates.size(), 4000u);
}

TEST(ReadCandidates, LineBeyondTheFieldCapKeepsItsFirstFields) {
    std::string line;
    for (int i = 0; i < 1100; ++i) {
        line += std::to_string(i) + ",";
    }
    const Read read = ReadAfterHeader("h\n" + line + "\n", NameAndFax(0, {1023, 1024}));
    EXPECT_EQ(read.candidates, (Pairs{{"0", "1023"}}));
}

}  // namespace
