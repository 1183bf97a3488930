#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "recipients/recipient_entry.h"
#include "tests/unit/code_page_scope.h"

using namespace recipients;

namespace {

enum class Rule { Brackets, Fax, Name, Cut };

struct Case {
    unsigned codePage;
    Rule rule;
    std::string_view text;
    std::string_view expected;
};

std::string Apply(Rule rule, std::string text) {
    switch (rule) {
        case Rule::Brackets:
            ReplaceNameBrackets(text);
            return text;
        case Rule::Fax:
            CleanFaxNumber(text);
            return text;
        case Rule::Name:
            return CleanName(text.data());
        case Rule::Cut:
            CutToField(text);
            return text;
    }
    return text;
}

constexpr std::string_view kKanji15 =  // "A" and fifteen kanji: 31 bytes
    "A\x89\x63\x8B\xC6\x89\x63\x8B\xC6\x89\x63\x8B\xC6\x89\x63\x8B\xC6\x89\x63\x8B\xC6"
    "\x89\x63\x8B\xC6\x89\x63\x8B\xC6\x89\x63";

const Case kCases[] = {
    // Single-byte code pages have no lead bytes: every bracket goes, every byte is cut alone.
    {1252, Rule::Brackets, "Jos\xE9[Sales]", "Jos\xE9(Sales)"},
    {1251, Rule::Brackets, "\xC8\xE2\xE0\xED[\xCE\xD2\xC4]", "\xC8\xE2\xE0\xED(\xCE\xD2\xC4)"},
    {1250, Rule::Brackets, "\x8A[\x9A]", "\x8A(\x9A)"},
    {1252, Rule::Fax, "\x82\x50\x82\x51", "PQ"},
    {1252, Rule::Cut,
     "\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9"
     "\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9",
     "\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9"
     "\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9"},
    // 932: the second byte of a double-byte character stays, half-width katakana are single.
    {932, Rule::Brackets, "\xB1\x81\x5B[\x89\x63\x8B\xC6]", "\xB1\x81\x5B(\x89\x63\x8B\xC6)"},
    {932, Rule::Brackets, "\x83]x]\x90", "\x83]x)\x90"},
    {932, Rule::Name, "  \x83[ [a] ", "\x83[ (a)"},
    {932, Rule::Cut, kKanji15, kKanji15.substr(0, 29)},
    {932, Rule::Name, kKanji15, kKanji15.substr(0, 29)},
    {932, Rule::Cut,
     "\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1"
     "\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\x89\x63",
     "\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1"
     "\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1"},
    // Full-width digits and signs count as ASCII, other double-byte characters go whole.
    {932, Rule::Fax, "03-1234-\x82\x54\x82\x55\x82\x56\x82\x57", "03-1234-5678"},
    {932, Rule::Fax, "\x82\x4F\x82\x52\x81\x7C\x82\x50 \x82\x97", "03-1W"},
    {932, Rule::Fax, "\x93\x64\x98\x62\xB1 0\x81\x43\x81", "0"},
    {936, Rule::Fax, "\xA3\xB0\xA3\xB3\xA3\xAD\xD6\xD0\xA3\xB1", "03-1"},
    {949, Rule::Fax, "\xA3\xB0\xA3\xB3 \xC7\xD1\xA3\xAB", "03+"},
    {950, Rule::Fax, "\xA2\xAF\xA2\xB2\xA4\x40\xA2\xB0", "031"},
    {950, Rule::Brackets, "\xA4\x5B[\xA4\x5D]", "\xA4\x5B(\xA4\x5D)"},
};

TEST(CodePageRules, LeadBytesAsTheCodePageHasThem) {
    for (const Case& c : kCases) {
        const CodePageScope codePage(c.codePage);
        EXPECT_EQ(Apply(c.rule, std::string(c.text)), c.expected)
            << "code page " << c.codePage << ", rule " << static_cast<int>(c.rule) << ": "
            << c.text;
    }
}

// The in-place cleaning of a reader's fields must match the cleaning of a copy byte for byte,
// at every length around the field's and with blanks, brackets, letters and double-byte leads.
TEST(CodePageRules, CleaningFieldsInPlaceMatchesCleaningACopy) {
    constexpr std::string_view kBytes = " [],a1+-\x81\x5B\xE9Zz\x82\x4F\xB1";
    for (const unsigned number : {1252u, 932u}) {
        const CodePageScope codePage(number);
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
            EXPECT_EQ(CleanFaxNumber(faxField.data()).text, fax) << number << ": " << text;

            std::string name = text;
            TrimBlanks(name);
            ReplaceNameBrackets(name);
            CutToField(name);
            std::string nameField = text;
            EXPECT_EQ(CleanName(nameField.data()), name) << number << ": " << text;
        }
    }
}

}  // namespace
