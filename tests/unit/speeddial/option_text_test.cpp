#include "speeddial/option_text.h"

#include <gtest/gtest.h>

#include "option_texts.h"

using namespace speeddial;

namespace {

TEST(Rot13Letters, TurnsLettersWithinTheirCaseOnly) {
    EXPECT_EQ(Rot13Letters("a"), "n");
    EXPECT_EQ(Rot13Letters("n"), "a");
    EXPECT_EQ(Rot13Letters("A"), "N");
    EXPECT_EQ(Rot13Letters("Z"), "M");
    EXPECT_EQ(Rot13Letters("Hello, World 42+/="), "Uryyb, Jbeyq 42+/=");
    EXPECT_EQ(Rot13Letters("\x80\xC1z"), "\x80\xC1m");
    EXPECT_EQ(Rot13Letters(""), "");
}

TEST(Base64DecodeText, DecodesGroupsOfFour) {
    EXPECT_EQ(Base64DecodeText("YWJj"), "abc");
    EXPECT_EQ(Base64DecodeText("YWJjZGVm"), "abcdef");
    EXPECT_EQ(Base64DecodeText("YQ=="), "a");
    EXPECT_EQ(Base64DecodeText("YWI="), "ab");
    EXPECT_EQ(Base64DecodeText("MTIzNDo1Njc4"), "1234:5678");
    EXPECT_EQ(Base64DecodeText(""), "");
}

TEST(Base64DecodeText, FailsSilentlyOnBadLengthAndReadsStrangeBytesAsZero) {
    EXPECT_EQ(Base64DecodeText("YWJ"), "");
    EXPECT_EQ(Base64DecodeText("YWJjZ"), "");
    // "!" counts as 0: "Y!==" gives 0x60, a backquote.
    EXPECT_EQ(Base64DecodeText("Y!=="), "`");
}

TEST(Base64DecodeText, EndsAtPaddingAndAtAZeroByte) {
    // "=" in the third place ends decoding even in the middle of the text.
    EXPECT_EQ(Base64DecodeText("YQ==YWJj"), "a");
    EXPECT_EQ(Base64DecodeText("YWI=YWJj"), "ab");
    // "AGE=" is the bytes 00 61: the text is empty.
    EXPECT_EQ(Base64DecodeText("AGE="), "");
    EXPECT_EQ(Base64DecodeText("YQBi"), "a");
}

TEST(DecodeOptionText, ReversesTheStoredForm) {
    EXPECT_EQ(DecodeOptionText("LJWw"), "abc");
    EXPECT_EQ(EncodeOptionValue("abc"), "LJWw");
    EXPECT_EQ(DecodeOptionText(EncodeOptionValue("123:4567")), "123:4567");
    EXPECT_EQ(DecodeOptionText(""), "");
    EXPECT_EQ(DecodeOptionText("LJW"), "");
}

TEST(PadLeftZeros, FillsShortTextsOnTheLeft) {
    std::string text = "1";
    PadLeftZeros(text, 3);
    EXPECT_EQ(text, "001");
    text = "#3";
    PadLeftZeros(text, 3);
    EXPECT_EQ(text, "0#3");
    text = "";
    PadLeftZeros(text, 3);
    EXPECT_EQ(text, "000");
    text = "123";
    PadLeftZeros(text, 3);
    EXPECT_EQ(text, "123");
    text = "1234";
    PadLeftZeros(text, 3);
    EXPECT_EQ(text, "1234");
}

}  // namespace
