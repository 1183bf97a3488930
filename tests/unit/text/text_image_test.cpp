#include "text/text_image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "recipients/reader_result.h"
#include "tests/unit/temp_file.h"
#include "tests/unit/test_platform.h"

using namespace recipients;
using namespace text;
using namespace text;
using namespace std::string_view_literals;

namespace {

std::vector<std::string> AllLines(TextImage& image) {
    std::vector<std::string> lines;
    while (const char* line = image.NextLine()) {
        lines.emplace_back(line);
    }
    return lines;
}

std::vector<std::string> LinesOf(std::string_view bytes) {
    TextImage image;
    EXPECT_EQ(image.Assign(bytes, TestPlatform()), 0);
    return AllLines(image);
}

using Lines = std::vector<std::string>;

TEST(TextImageLines, CrLfAndLfGiveTheSameLines) {
    EXPECT_EQ(LinesOf("a,b\r\nc\r\n"), (Lines{"a,b", "c", ""}));
    EXPECT_EQ(LinesOf("a,b\nc\n"), (Lines{"a,b", "c", ""}));
}

TEST(TextImageLines, TheTextAfterTheLastLineFeedIsTheLastLine) {
    EXPECT_EQ(LinesOf("a\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(LinesOf("only"), (Lines{"only"}));
}

TEST(TextImageLines, LoneCarriageReturnStaysInTheLine) {
    EXPECT_EQ(LinesOf("a\rb\n\r\r\n"), (Lines{"a\rb", "\r", ""}));
}

TEST(TextImageLines, ByteOrderMarkAtTheStartIsSkipped) {
    EXPECT_EQ(LinesOf("\xEF\xBB\xBFName\n"), (Lines{"Name", ""}));
    EXPECT_EQ(LinesOf("\xEF\xBB\xBF"), (Lines{""}));
    // Anywhere else it is a character of UTF-8 text, one that code page 1252 has no form for.
    EXPECT_EQ(LinesOf("a\n\xEF\xBB\xBF"), (Lines{"a", "?"}));
}

TEST(TextImageLines, NulByteEndsTheLineText) {
    using namespace std::string_view_literals;
    EXPECT_EQ(LinesOf("a\0b\nc"sv), (Lines{"a", "c"}));
}

TEST(TextImageLines, RestIsWhatIsAheadAndSkipToGoesOnFromThere) {
    TextImage image;
    ASSERT_EQ(image.Assign("h,x\na,b,c\nd", TestPlatform()), 0);
    image.NextLine();
    const std::span<char> rest = image.Rest();
    ASSERT_EQ(std::string_view(rest.data(), rest.size()), "a,b,c\nd");
    image.SkipTo(rest.data() + 6);
    EXPECT_STREQ(image.NextLine(), "d");
    EXPECT_EQ(image.NextLine(), nullptr);
    EXPECT_TRUE(image.Rest().empty());
}

TEST(TextImageLines, CutLinesGivesWhatNextLineWouldGive) {
    TextImage image;
    ASSERT_EQ(image.Assign("h\r\na\n\nb", TestPlatform()), 0);
    image.NextLine();
    std::vector<char*> lines{nullptr};
    ASSERT_TRUE(image.CutLines(lines));
    EXPECT_EQ((Lines{lines.begin(), lines.end()}), (Lines{"a", "", "b"}));
    EXPECT_EQ(image.NextLine(), nullptr);
    ASSERT_TRUE(image.CutLines(lines));
    EXPECT_TRUE(lines.empty());
}

// Lines are found sixteen bytes at a time: images of every length up to a few blocks, with line
// feeds, carriage returns and NULs anywhere, give the lines a byte-by-byte cut gives.
TEST(TextImageLines, BlockSearchCutsAsByteByByte) {
    constexpr std::string_view kBytes = "a\n\r\0"sv;
    std::mt19937 random(5);
    for (int round = 0; round < 5000; ++round) {
        std::string text(1 + random() % 50, ' ');
        for (char& c : text) {
            c = kBytes[random() % kBytes.size()];
        }
        Lines expected;
        std::size_t start = 0;
        for (std::size_t feed; (feed = text.find('\n', start)) != std::string::npos;
             start = feed + 1) {
            const std::size_t end = feed > start && text[feed - 1] == '\r' ? feed - 1 : feed;
            expected.emplace_back(text.substr(start, end - start).c_str());
        }
        expected.emplace_back(text.substr(start).c_str());
        EXPECT_EQ(LinesOf(text), expected);
    }
}

TEST(CutHeaderLine, SkipsLeadingEmptyLines) {
    TextImage image;
    ASSERT_EQ(image.Assign("\n\r\nName,Fax\nAnn,1\n", TestPlatform()), 0);
    EXPECT_STREQ(CutHeaderLine(image), "Name,Fax");
    EXPECT_STREQ(image.NextLine(), "Ann,1");
}

TEST(CutHeaderLine, FallsBackToTheEmptyRemainderWhenEveryLineIsEmpty) {
    TextImage image;
    ASSERT_EQ(image.Assign("\r\n\n", TestPlatform()), 0);
    EXPECT_STREQ(CutHeaderLine(image), "");
    EXPECT_EQ(image.NextLine(), nullptr);
}

TEST(CutHeaderLine, WholeImageWithoutLineFeed) {
    TextImage image;
    ASSERT_EQ(image.Assign("Name,Fax", TestPlatform()), 0);
    EXPECT_STREQ(CutHeaderLine(image), "Name,Fax");
    EXPECT_EQ(image.NextLine(), nullptr);
}

TEST(CutHeaderLine, NoHeaderInAnImageWithoutLines) {
    TextImage image;
    EXPECT_EQ(CutHeaderLine(image), nullptr);
}

TEST(TextImageLoad, ReadsTheWholeFile) {
    const TempFile file("Name,Fax\r\nAnn,1");
    TextImage image;
    ASSERT_EQ(image.Load(file.path(), TestPlatform()), 0);
    EXPECT_EQ(AllLines(image), (Lines{"Name,Fax", "Ann,1"}));
}

TEST(TextImageLoad, EmptyFileIsAReadFailure) {
    const TempFile file("");
    TextImage image;
    EXPECT_EQ(image.Load(file.path(), TestPlatform()), kReadFailed);
    EXPECT_EQ(image.NextLine(), nullptr);
}

TEST(TextImageLoad, MissingFileCannotBeOpened) {
    TextImage image;
    EXPECT_EQ(image.Load("/nonexistent/folder/file.csv", TestPlatform()), kOpenFailed);
}

TEST(TextImageLoad, FolderCannotBeOpened) {
    TextImage image;
    EXPECT_EQ(image.Load(std::filesystem::temp_directory_path().string(), TestPlatform()),
              kOpenFailed);
}

}  // namespace
