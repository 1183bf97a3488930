#include "text/text_decoding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"

namespace {

using text::DecodeToAnsi;
using Decoded = std::optional<std::string>;

ui::headless::ScriptedUser& NoUser() {
    static ui::headless::ScriptedUser user;
    return user;
}

// The code page 1252 platform, remembering where each piece it was given ended.
class PieceRecordingPlatform : public ui::headless::HeadlessPlatform {
  public:
    PieceRecordingPlatform() : HeadlessPlatform(NoUser()) {}

    void AppendAnsiText(std::u16string_view text, std::string& ansi) override {
        pieceEnds.push_back(text.back());
        HeadlessPlatform::AppendAnsiText(text, ansi);
    }

    std::vector<char16_t> pieceEnds;
};

Decoded Decode(std::string_view bytes) {
    PieceRecordingPlatform platform;
    return DecodeToAnsi(bytes, platform);
}

TEST(TextDecoding, WithoutAMarkOnlyStrictUtf8WithANonAsciiByteIsConverted) {
    EXPECT_EQ(Decode("Name,Fax\r\nAnn,1\r\n"), std::nullopt);
    EXPECT_EQ(Decode("Ren\xE9,1"), std::nullopt);
    EXPECT_EQ(Decode("Zo\xC3\xAB,1"), Decoded("Zo\xEB,1"));
    EXPECT_EQ(Decode("\xF0\x9F\x98\x80 \xEF\xBF\xBD \xC5\x81"), Decoded("?? ? L"));
    for (const char* malformed : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                  "\xF5\x80\x80\x80", "\xC3", "\xE2\x82", "\xBF"}) {
        EXPECT_EQ(Decode(std::string("\xC3\xAB ") + malformed), std::nullopt) << malformed;
    }
}

TEST(TextDecoding, MarksDecideAndAreLeftOut) {
    EXPECT_EQ(Decode("\xEF\xBB\xBF"), Decoded(""));
    EXPECT_EQ(Decode("\xEF\xBB\xBF"
                     "a,b"),
              Decoded("a,b"));
    EXPECT_EQ(Decode(std::string("\xFF\xFE"
                                 "A\0\xE9\0\x3D\xD8\x00\xDE",
                                 10)),
              Decoded("A\xE9??"));
    EXPECT_EQ(Decode(std::string("\xFE\xFF\0A\0\xE9\xD8\x3D\xDE\x00", 10)), Decoded("A\xE9??"));
}

TEST(TextDecoding, MalformedTextAfterAMarkGivesOneSubstituteForEachBadPart) {
    // A cut-short sequence counts once, up to the byte that breaks it; an ED A0 80 surrogate is
    // three bad bytes, since A0 cannot follow ED.
    EXPECT_EQ(Decode("\xEF\xBB\xBF"
                     "a\xC3(b\xF0\x9F\x98\xE9\xED\xA0\x80\xC3"),
              Decoded("a?(b??????"));
    // A lone surrogate of either kind, a low one before a high one, and an odd last byte.
    EXPECT_EQ(Decode(std::string("\xFF\xFE"
                                 "\x00\xD8"
                                 "A\0"
                                 "\x00\xDC\x00\xD8"
                                 "B",
                                 11)),
              Decoded("?A???"));
}

TEST(TextDecoding, APairIsNeverSplitBetweenPieces) {
    // Pieces of 32768 units: put a pair across every possible boundary near the first one.
    for (std::size_t before = 32760; before < 32770; ++before) {
        std::string bytes = "\xFF\xFE";
        bytes.append(2 * before, '\0');
        for (std::size_t i = 0; i < before; ++i) {
            bytes[2 + 2 * i] = 'a';
        }
        bytes += std::string(
            "\x3D\xD8\x00\xDE"
            "b\0",
            6);
        PieceRecordingPlatform platform;
        const Decoded decoded = DecodeToAnsi(bytes, platform);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(*decoded, std::string(before, 'a') + "??b");
        for (const char16_t end : platform.pieceEnds) {
            EXPECT_FALSE(end >= 0xD800 && end <= 0xDBFF) << before;
        }
    }
}

}  // namespace
