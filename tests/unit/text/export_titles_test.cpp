#include "text/export_titles.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/unit/test_platform.h"
#include "text/title_matcher.h"

using namespace text;

namespace {

// Every title of the table names what the table says, in any case and with blanks around it, and
// holds no fax word; every fax title holds one; a title means the same in every language.
TEST(ExportTitles, EveryTitleIsReadAsTheTableSays) {
    const TitleMatcher unicode = TitleMatcher::ForUnicode();
    std::map<std::string_view, TitleRole> seen;
    for (const TitleLanguage& language : ExportTitleLanguages()) {
        SCOPED_TRACE(std::string(language.language));
        EXPECT_FALSE(language.source.empty());
        EXPECT_FALSE(language.faxWords.empty());
        for (const ExportTitle& title : language.names) {
            SCOPED_TRACE(std::string(title.title));
            EXPECT_EQ(unicode.RoleOf(title.title), title.role);
            EXPECT_EQ(unicode.RoleOf(" " + FoldUtf8Case(title.title) + " "), title.role);
            EXPECT_FALSE(unicode.HoldsFaxWord(title.title));
            const auto [where, added] = seen.emplace(title.title, title.role);
            EXPECT_EQ(where->second, title.role);
        }
        for (const std::string_view fax : language.faxTitles) {
            SCOPED_TRACE(std::string(fax));
            EXPECT_TRUE(unicode.HoldsFaxWord(fax));
            EXPECT_FALSE(unicode.RoleOf(fax).has_value());
        }
    }
}

TEST(ExportTitles, CaseFoldsAcrossScripts) {
    EXPECT_EQ(FoldUtf8Case("PRÉNOM ŁUKASZ ΌΝΟΜΑ ΦΑΞ ИМЯ ЁЖ İKİNCİ 名"),
              "prénom łukasz όνομα φαξ имя ёж ikinci 名");
    // Malformed bytes stay as they are.
    EXPECT_EQ(FoldUtf8Case("A\xC3\xFF\xD0"), "a\xC3\xFF\xD0");
}

TEST(ExportTitles, CodePageFormHoldsWhatTheCodePageCanWrite) {
    const TitleMatcher ansi = TitleMatcher::ForCodePage(TestPlatform());
    EXPECT_EQ(ansi.RoleOf("PR\xC9NOM"), TitleRole::FirstName);
    EXPECT_EQ(ansi.RoleOf("Soci\xE9t\xE9"), TitleRole::Company);
    EXPECT_TRUE(ansi.HoldsFaxWord("T\xC9L\xC9"
                                  "COPIE (BUREAU)"));
    // Cyrillic becomes the substitute in code page 1252 and is left out.
    EXPECT_FALSE(ansi.RoleOf("???").has_value());
    EXPECT_FALSE(ansi.HoldsFaxWord("????"));
}

}  // namespace
