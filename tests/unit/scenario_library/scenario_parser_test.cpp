#include <gtest/gtest.h>

#include "tests/scenario_library/scenario.h"
#include "tests/scenario_library/scenario_lexer.h"
#include "tests/scenario_library/setup_files.h"

namespace scenario {
namespace {

Scenario Parse(std::string_view text) {
    return ParseScenarioText(text, "test.scn");
}

// The line number of the ParseError that text raises, or -1 when it parses.
int ErrorLine(std::string_view text) {
    try {
        Parse(text);
    } catch (const ParseError& error) {
        return error.line();
    }
    return -1;
}

TEST(ScenarioWords, QuotesAndEscapes) {
    EXPECT_EQ(SplitWords("see 1004  \"Ann [123]\"\t\"\"", 1),
              (std::vector<std::string>{"see", "1004", "Ann [123]", ""}));
    EXPECT_EQ(SplitWords(R"("a\"b\\c\td\ne\x41\xff")", 1),
              (std::vector<std::string>{"a\"b\\c\td\neA\xff"}));
    // Outside quotes a backslash is an ordinary character, so Windows paths need no quotes.
    EXPECT_EQ(SplitWords(R"(open "Import CSV File" C:\data\x41.csv)", 1),
              (std::vector<std::string>{"open", "Import CSV File", R"(C:\data\x41.csv)"}));
}

TEST(ScenarioWords, MalformedWordsAreErrors) {
    EXPECT_THROW(SplitWords("see 1 \"open", 1), ParseError);
    EXPECT_THROW(SplitWords(R"(see 1 "\q")", 1), ParseError);
    EXPECT_THROW(SplitWords(R"(see 1 "\x4")", 1), ParseError);
    EXPECT_THROW(SplitWords(R"(see 1 ab"c)", 1), ParseError);
    EXPECT_THROW(SplitWords(R"(see 1 "ab"c)", 1), ParseError);
}

TEST(ScenarioWords, QuoteWordRoundTrips) {
    for (const std::string word : {"plain", "", "two words", "q\"uote", "back\\slash in \"q\"",
                                   "tab\there", "\x01\x7f\xe9t\xe9"}) {
        EXPECT_EQ(SplitWords(QuoteWord(word), 1), std::vector<std::string>{word}) << word;
    }
    EXPECT_EQ(QuoteWord("C:\\x"), "C:\\x");
    EXPECT_EQ(QuoteWord("Ann [1]"), "\"Ann [1]\"");
}

TEST(ScenarioFiles, ContentLinesWithLineEnds) {
    const Scenario s = Parse(
        "file a.csv\n"
        "  |Name,Fax  \n"
        "|\n"
        "end\n"
        "file b.csv eol=lf final=no bom=utf8\n"
        "|x\\x41\\\\y\\n\n"
        "|z\n"
        "end\n"
        "file c.csv eol=cr\n"
        "end\n"
        "file d.bin bytes 00ff 41 42\n"
        "file e.bin bytes\n"
        "run\n");
    ASSERT_EQ(s.setup.files.size(), 5u);
    EXPECT_EQ(s.setup.files[0].bytes, "Name,Fax  \r\n\r\n");
    EXPECT_EQ(s.setup.files[1].bytes, "\xEF\xBB\xBFxA\\y\\n\nz");
    EXPECT_EQ(s.setup.files[2].bytes, "");
    EXPECT_EQ(s.setup.files[3].bytes, std::string("\x00\xff"
                                                  "AB",
                                                  4));
    EXPECT_EQ(s.setup.files[4].bytes, "");
    EXPECT_EQ(s.setup.files[1].line, 5);
}

TEST(ScenarioFiles, CarriageReturnsOfTheScenarioItselfAreNotContent) {
    const Scenario s = Parse("file a.csv eol=lf\r\n|a\r\nend\r\nrun\r\n");
    EXPECT_EQ(s.setup.files[0].bytes, "a\n");
}

TEST(ScenarioFiles, ResultPathIsTheFirstWordInTheDirectory) {
    scenario::Setup setup;
    EXPECT_EQ(ResultPath(setup, "/tmp/x/"), "/tmp/x/result.dat");
    setup.args = "out.dat more words";
    EXPECT_EQ(ResultPath(setup, "/tmp/x/"), "/tmp/x/out.dat");
    setup.args = " \t{dir}out.dat";
    EXPECT_EQ(ToolArguments(setup, "/tmp/x/"), "/tmp/x/out.dat");
    EXPECT_EQ(ResultPath(setup, "/tmp/x/"), "/tmp/x/out.dat");
    setup.args = "  ";
    EXPECT_EQ(ResultPath(setup, "/tmp/x/"), "");
    setup.args = "\"{dir}my q.dat\" more";
    EXPECT_EQ(ResultPath(setup, "C:\\t\\"), "C:\\t\\my q.dat");
    setup.args = "\"my q.dat";
    EXPECT_EQ(ResultPath(setup, "C:\\t\\"), "C:\\t\\my q.dat");
    EXPECT_EQ(PathInDir("{dir}a.csv", "Z:\\tmp\\"), "Z:\\tmp\\a.csv");
    EXPECT_EQ(PathInDir("D:\\a.csv", "Z:\\tmp\\"), "D:\\a.csv");
}

TEST(ScenarioSetup, DefaultsAndAddressBook) {
    const Scenario d = Parse("run\n");
    EXPECT_EQ(d.setup.host, HostKind::Plain);
    EXPECT_EQ(d.setup.args, "{dir}result.dat");
    EXPECT_EQ(d.setup.mapi, MapiInstall::Absent);
    EXPECT_FALSE(d.setup.wabPresent);
    EXPECT_EQ(d.setup.choose, ChooseKind::Cancel);

    const Scenario s = Parse(
        "# comment\n"
        "host limit\nargs \"\"\nmapi configured\nmapi logon cancel\nwab present\nwab open warning\n"
        "user u1 - home 123 primary \"+1 2\"\n"
        "list l1 Team member u1 member l1\n"
        "other o1 \"A Room\"\n"
        "broken u1 row 3\n"
        "choose l1 u1 u1\n"
        "run\n");
    EXPECT_EQ(s.setup.host, HostKind::Limit);
    EXPECT_EQ(s.setup.args, "");
    EXPECT_EQ(s.setup.mapi, MapiInstall::Configured);
    EXPECT_EQ(s.setup.mapiLogon, "cancel");
    EXPECT_TRUE(s.setup.wabPresent);
    EXPECT_EQ(s.setup.wabOpen, "warning");
    ASSERT_EQ(s.setup.users.size(), 1u);
    EXPECT_FALSE(s.setup.users[0].name.has_value());
    EXPECT_EQ(s.setup.users[0].primaryFax, "+1 2");
    EXPECT_FALSE(s.setup.users[0].businessFax.has_value());
    EXPECT_EQ(s.setup.users[0].homeFax, "123");
    EXPECT_EQ(s.setup.lists[0].members, (std::vector<std::string>{"u1", "l1"}));
    EXPECT_EQ(s.setup.failures[0].what, AddressBookFailure::What::Row);
    EXPECT_EQ(s.setup.failures[0].row, 3);
    EXPECT_EQ(s.setup.choose, ChooseKind::Entries);
    EXPECT_EQ(s.setup.chosenIds, (std::vector<std::string>{"l1", "u1", "u1"}));
}

TEST(ScenarioSetup, BitnessTwinAndLibraries) {
    const Scenario d = Parse("run\n");
    EXPECT_EQ(d.setup.mapiBits, 64);
    EXPECT_FALSE(d.setup.twinAbsent);
    EXPECT_FALSE(d.setup.wabPathExpandable);

    const Scenario s = Parse(
        "mapi bitness 32\nmapi initialize fail\ntwin absent\nwab registry expand\n"
        "library WAB32.DLL\n"
        "library books/WAB32.DLL\nrun\n");
    EXPECT_EQ(s.setup.mapiBits, 32);
    EXPECT_EQ(s.setup.mapiInitialize, "fail");
    EXPECT_TRUE(s.setup.twinAbsent);
    EXPECT_TRUE(s.setup.wabPathExpandable);
    EXPECT_EQ(s.setup.plantedLibraries, (std::vector<std::string>{"WAB32.DLL", "books/WAB32.DLL"}));

    EXPECT_EQ(ErrorLine("mapi bitness 16\nrun\n"), 1);
    EXPECT_EQ(ErrorLine("mapi bitness 32\nmapi bitness 64\nrun\n"), 2);
    EXPECT_EQ(ErrorLine("twin present\nrun\n"), 1);
    EXPECT_EQ(ErrorLine("wab registry plain\nrun\n"), 1);
    EXPECT_EQ(ErrorLine("library\nrun\n"), 1);
}

TEST(ScenarioSteps, StepsKeepTheirLinesAndWords) {
    const Scenario s = Parse(
        "run\n"
        "dialog \"CSV Import - {dir}people.csv\"\n"
        "  see-items 1004\n"
        "  choose 1056 \"Comma Separated Values (CSV)\"\n"
        "message \"No entry to be imported.\" \"Import Fax Recipient Data\" warning ok\n"
        "  close\n"
        "open \"Import CSV File\" cancel\n"
        "expect command 1022\n"
        "dump result\n");
    ASSERT_EQ(s.steps.size(), 8u);
    EXPECT_EQ(s.steps[0].line, 2);
    EXPECT_EQ(s.steps[0].words[0], "CSV Import - {dir}people.csv");
    EXPECT_EQ(s.steps[1].words, std::vector<std::string>{"1004"});
    EXPECT_TRUE(IsWindowStep(s.steps[3]));
    EXPECT_FALSE(IsWindowStep(s.steps[4]));
    EXPECT_TRUE(IsWindowStep(s.steps[5]));
    EXPECT_FALSE(IsAfterRunStatement(s.steps[5]));
    EXPECT_TRUE(IsAfterRunStatement(s.steps[6]));
    EXPECT_TRUE(IsAfterRunStatement(s.steps[7]));
}

TEST(ScenarioErrors, ReportTheLineOfTheMistake) {
    EXPECT_EQ(ErrorLine("host plain\nhots limit\nrun\n"), 2);
    EXPECT_EQ(ErrorLine("host big\nrun\n"), 1);
    EXPECT_EQ(ErrorLine("run\ndialog A\n  clik 1\n"), 3);
    EXPECT_EQ(ErrorLine("run\ndialog A\n  see 1004\n"), 3);
    EXPECT_EQ(ErrorLine("run\ndialog A\n  see abc x\n"), 3);
    EXPECT_EQ(ErrorLine("run\ndialog A\n  see 70000 x\n"), 3);
    EXPECT_EQ(ErrorLine("run\ndialog A\n  check 1057 maybe\n"), 3);
    EXPECT_EQ(ErrorLine("run\ndialog A\n  key 1004 space\n"), 3);
    EXPECT_EQ(ErrorLine("run\nmessage text caption warn ok\n"), 2);
    EXPECT_EQ(ErrorLine("run\nclick 1\n"), 2);
    EXPECT_EQ(ErrorLine("run\nexpect command 1022\ndialog A\n"), 3);
    EXPECT_EQ(ErrorLine("run\nexpect command 1023\n"), 2);
    EXPECT_EQ(ErrorLine("run\nexpect result count x\n"), 2);
    EXPECT_EQ(ErrorLine("run\nexpect field 0 relayCnt 1\n"), 2);
    EXPECT_EQ(ErrorLine("run\nexpect record 0 name a fx b\n"), 2);
    EXPECT_EQ(ErrorLine("run\nexpect bytes 0 4 0g\n"), 2);
    EXPECT_EQ(ErrorLine("run\nrun\n"), 2);
}

TEST(ScenarioErrors, SetupMistakes) {
    EXPECT_EQ(ErrorLine("file a.csv\n|x\n"), 1);  // no end
    EXPECT_EQ(ErrorLine("file a.csv\n|x\nrun\n"), 3);
    EXPECT_EQ(ErrorLine("file a.csv\n|x\nnot content\nend\nrun\n"), 3);
    EXPECT_EQ(ErrorLine("file a.csv eol=crlf eol=lf\nend\nrun\n"), 1);
    EXPECT_EQ(ErrorLine("file a.csv eol=unix\nend\nrun\n"), 1);
    EXPECT_EQ(ErrorLine("file a.csv\nend\nfile a.csv bytes\nrun\n"), 3);
    EXPECT_EQ(ErrorLine("file a.bin bytes 4\nrun\n"), 1);
    EXPECT_EQ(ErrorLine("|stray\nrun\n"), 1);
    EXPECT_EQ(ErrorLine("host none\nhost plain\nrun\n"), 2);
    EXPECT_EQ(ErrorLine("user u1 Ann fax 1\nrun\n"), 1);
    EXPECT_EQ(ErrorLine("user u1 Ann\nuser u1 Bob\nrun\n"), 2);
    EXPECT_EQ(ErrorLine("choose u9\nuser u1 Ann\nrun\n"), 1);  // no such entry
    EXPECT_EQ(ErrorLine("list l1 Team member\nrun\n"), 1);
    EXPECT_EQ(ErrorLine("user u1 Ann\nbroken u1 row 0\nrun\n"), 2);
    EXPECT_EQ(ErrorLine("host plain\n"), 1);  // no run
    EXPECT_EQ(ErrorLine("mapi logon maybe\nrun\n"), 1);
}

TEST(ScenarioErrors, UnreadableFileIsLineZero) {
    try {
        ParseScenarioFile("/nonexistent/dir/x.scn");
        FAIL() << "no error";
    } catch (const ParseError& error) {
        EXPECT_EQ(error.line(), 0);
    }
}

TEST(ScenarioDir, ReplacesEveryOccurrence) {
    EXPECT_EQ(ReplaceDir("{dir}a {dir}b {di", "/t/"), "/t/a /t/b {di");
}

}  // namespace
}  // namespace scenario
