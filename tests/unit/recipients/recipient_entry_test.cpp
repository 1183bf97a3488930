#include "recipients/recipient_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace recipients;

namespace {

TEST(CleanFaxNumber, KeepsOnlyDialableSignsAndUpperCasesLetters) {
    std::string fax = "030 / 12 34-5p";
    EXPECT_EQ(CleanFaxNumber(fax), 11u);
    EXPECT_EQ(fax, "030/1234-5P");

    std::string separators = " ,[]{|}~\t";
    EXPECT_EQ(CleanFaxNumber(separators), 0u);
    EXPECT_EQ(separators, "");
}

TEST(ReplaceNameBrackets, ReplacesSingleByteBrackets) {
    std::string name = "[Sales] Team";
    ReplaceNameBrackets(name);
    EXPECT_EQ(name, "(Sales) Team");
}

TEST(TrimBlanks, TrimsBlanksButNotOtherWhiteSpace) {
    std::string text = "  a b  ";
    TrimBlanks(text);
    EXPECT_EQ(text, "a b");

    std::string tabs = "\ta\t";
    TrimBlanks(tabs);
    EXPECT_EQ(tabs, "\ta\t");

    std::string blanks = "   ";
    TrimBlanks(blanks);
    EXPECT_EQ(blanks, "");
}

TEST(AddRecipientEntry, CleansInPlaceAndBuildsTheEntry) {
    RecipientCollection collection;
    std::string name = "  A. [Smith] ";
    std::string fax = "030 1234";
    EXPECT_EQ(AddRecipientEntry(name, fax, collection), AddResult::Added);
    EXPECT_EQ(name, "A. (Smith)");
    EXPECT_EQ(fax, "0301234");
    ASSERT_EQ(collection.count, 1);
    EXPECT_EQ(collection.entries.at(0), "A. (Smith) [0301234]");
}

TEST(AddRecipientEntry, RejectsAnEmptyFaxWithoutTouchingTheName) {
    RecipientCollection collection;
    std::string name = "  Ann  ";
    std::string fax = " , ";
    EXPECT_EQ(AddRecipientEntry(name, fax, collection), AddResult::Rejected);
    EXPECT_EQ(name, "  Ann  ");
    EXPECT_EQ(collection.count, 0);
}

TEST(AddRecipientEntry, RejectsDuplicatesBeforeTheLimit) {
    RecipientCollection collection;
    collection.limit = 2;
    auto add = [&collection](std::string name, std::string fax) {
        return AddRecipientEntry(name, fax, collection);
    };
    EXPECT_EQ(add("Ann", "1"), AddResult::Added);
    EXPECT_EQ(add("Ann", "2"), AddResult::Added);
    EXPECT_EQ(add("Ann", "1"), AddResult::Rejected);
    EXPECT_EQ(add("Bob", "3"), AddResult::LimitReached);
    EXPECT_EQ(add("ann", "2"), AddResult::LimitReached);
    EXPECT_EQ(collection.count, 2);
}

TEST(AddRecipientEntry, NeverReachesALimitOfZero) {
    RecipientCollection collection;
    for (int i = 0; i < 120; ++i) {
        std::string name = "N";
        std::string fax = std::to_string(i);
        ASSERT_EQ(AddRecipientEntry(name, fax, collection), AddResult::Added);
    }
    EXPECT_EQ(collection.count, 120);
}

TEST(SplitRecipientEntry, SplitsNameAndFax) {
    std::string name;
    std::string fax;
    SplitRecipientEntry("A. Smith [0301234]", name, fax);
    EXPECT_EQ(name, "A. Smith");
    EXPECT_EQ(fax, "0301234");

    SplitRecipientEntry(" [123]", name, fax);
    EXPECT_EQ(name, "");
    EXPECT_EQ(fax, "123");
}

TEST(SplitRecipientEntry, FindsTheFaxAfterADoubleByteBracketInTheName) {
    std::string name;
    std::string fax;
    SplitRecipientEntry("\x83[ab [99]", name, fax);
    EXPECT_EQ(name, "\x83[ab");
    EXPECT_EQ(fax, "99");
}

}  // namespace
