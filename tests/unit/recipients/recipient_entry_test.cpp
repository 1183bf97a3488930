#include "recipients/recipient_entry.h"

#include <gtest/gtest.h>

#include <random>
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

TEST(CleanFaxNumber, JudgesEachByteOfADoubleByteCharacterAlone) {
    // Full-width digits one and two in Shift-JIS: 0x82 0x50, 0x82 0x51.
    std::string fax = "\x82\x50\x82\x51";
    CleanFaxNumber(fax);
    EXPECT_EQ(fax, "PQ");
}

TEST(ReplaceNameBrackets, ReplacesSingleByteBracketsOnly) {
    std::string name = "[Sales] Team";
    ReplaceNameBrackets(name);
    EXPECT_EQ(name, "(Sales) Team");

    std::string doubleByte = "\x83[x]\x83]";
    ReplaceNameBrackets(doubleByte);
    EXPECT_EQ(doubleByte, "\x83[x)\x83]");

    std::string leadByteAtEnd = "a]\x90";
    ReplaceNameBrackets(leadByteAtEnd);
    EXPECT_EQ(leadByteAtEnd, "a)\x90");
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

// The in-place cleaning of a reader's fields must match the cleaning of a copy byte for byte,
// at every length around the field's and with blanks, brackets, letters and double-byte leads.
TEST(CleanFields, MatchCleaningACopy) {
    constexpr std::string_view kBytes = " [],a1+-\x81\x5B\xE9Zz";
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 70, ' ');
        for (char& c : text) {
            c = kBytes[random() % kBytes.size()];
        }
        std::string fax = text;
        CleanFaxNumber(fax);
        CutToField(fax);
        std::string faxField = text;
        EXPECT_EQ(CleanFaxNumber(faxField.data()).text, fax) << text;

        std::string name = text;
        TrimBlanks(name);
        ReplaceNameBrackets(name);
        CutToField(name);
        std::string nameField = text;
        EXPECT_EQ(CleanName(nameField.data()), name) << text;
    }
}

}  // namespace
