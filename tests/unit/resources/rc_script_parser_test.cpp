#include "resources/rc_script_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using resource_script::ParseResourceScript;
using resource_script::ReadHeaderDefines;
using resource_script::ResourceScript;
using resource_script::ScriptError;
using resource_script::SymbolTable;

ResourceScript Parse(const std::string& text, const SymbolTable& symbols = {}) {
    return ParseResourceScript(text, "test.rc", symbols);
}

std::string ErrorOf(const std::string& text) {
    try {
        Parse(text);
    } catch (const ScriptError& error) {
        return error.what();
    }
    return "no error";
}

std::string OneDialog(const std::string& controls) {
    return "1 DIALOGEX 0, 0, 100, 50\nBEGIN\n" + controls + "\nEND\n";
}

std::uint32_t StyleOf(const std::string& control) {
    return Parse(OneDialog(control)).dialogs.at(0).controls.at(0).style;
}

// Expected values are what windres writes into the compiled resource for the same statements.
TEST(ResourceScriptStyles, KeywordStatementsCarryTheirImplicitStyles) {
    EXPECT_EQ(StyleOf("LTEXT \"a\", -1, 0, 0, 1, 1"), 0x50020000u);
    EXPECT_EQ(StyleOf("CTEXT \"a\", -1, 0, 0, 1, 1"), 0x50020001u);
    EXPECT_EQ(StyleOf("RTEXT \"a\", -1, 0, 0, 1, 1"), 0x50020002u);
    EXPECT_EQ(StyleOf("GROUPBOX \"a\", -1, 0, 0, 1, 1"), 0x50000007u);
    EXPECT_EQ(StyleOf("PUSHBUTTON \"a\", 10, 0, 0, 1, 1"), 0x50010000u);
    EXPECT_EQ(StyleOf("DEFPUSHBUTTON \"a\", 10, 0, 0, 1, 1"), 0x50010001u);
    EXPECT_EQ(StyleOf("EDITTEXT 10, 0, 0, 1, 1"), 0x50810000u);
}

TEST(ResourceScriptStyles, GivenStylesAddToTheImplicitOnesAndNotTakesAwayInOrder) {
    EXPECT_EQ(StyleOf("PUSHBUTTON \"a\", 10, 0, 0, 1, 1, WS_GROUP"), 0x50030000u);
    EXPECT_EQ(StyleOf("EDITTEXT 10, 0, 0, 1, 1, ES_READONLY"), 0x50810800u);
    EXPECT_EQ(StyleOf("EDITTEXT 10, 0, 0, 1, 1, ES_READONLY | NOT WS_BORDER"), 0x50010800u);
    EXPECT_EQ(StyleOf("EDITTEXT 10, 0, 0, 1, 1, NOT WS_BORDER | WS_BORDER"), 0x50810000u);
    EXPECT_EQ(StyleOf("CONTROL \"x\", 10, \"Button\", BS_AUTOCHECKBOX | WS_TABSTOP | "
                      "NOT WS_VISIBLE, 0, 0, 1, 1"),
              0x40010003u);
}

TEST(ResourceScriptStyles, DialogStyleReplacesTheDefaultAndCaptionAndFontAddTheirBits) {
    const ResourceScript script = Parse(
        "1 DIALOG 0, 0, 10, 10\nBEGIN\nEND\n"
        "2 DIALOGEX 0, 0, 10, 10\nCAPTION \"c\"\nBEGIN\nEND\n"
        "3 DIALOGEX 0, 0, 10, 10\nCAPTION \"c\"\nSTYLE DS_MODALFRAME | WS_POPUP\n"
        "FONT 8, \"MS Sans Serif\"\nBEGIN\nEND\n");
    ASSERT_EQ(script.dialogs.size(), 3u);
    EXPECT_EQ(script.dialogs[0].style, 0x80880000u);
    EXPECT_EQ(script.dialogs[1].style, 0x80C80000u);
    EXPECT_EQ(script.dialogs[2].style, 0x80C000C0u);
    EXPECT_EQ(script.dialogs[2].fontName, "MS Sans Serif");
    EXPECT_EQ(script.dialogs[2].fontSize, 8);
}

TEST(ResourceScriptReading, ControlsKeepTheirOrderPlaceAndUpperCaseClass) {
    const ResourceScript script =
        Parse(OneDialog("CONTROL \"\", 1002, \"listBox\", LBS_NOTIFY, 7, 35, 121, 113\n"
                        "LTEXT \"Name:\", IDC_STATIC, 1, 2, 3, 4"));
    const auto& controls = script.dialogs.at(0).controls;
    ASSERT_EQ(controls.size(), 2u);
    EXPECT_EQ(controls[0].className, "LISTBOX");
    EXPECT_EQ(controls[0].id, 1002);
    EXPECT_EQ(controls[0].height, 113);
    EXPECT_EQ(controls[1].id, -1);
    EXPECT_EQ(controls[1].text, "Name:");
}

TEST(ResourceScriptReading, StringsDecodeDoubledQuotesAndEscapes) {
    const ResourceScript script =
        Parse("STRINGTABLE\nBEGIN\n1 \"say \"\"hi\"\"\"\n2, \"a\\tb\\\\c\\101\\x42\"\nEND\n");
    EXPECT_EQ(script.strings.at(1), "say \"hi\"");
    EXPECT_EQ(script.strings.at(2), "a\tb\\cAB");
}

TEST(ResourceScriptReading, IdsComeFromTheHeaderAndManifestAndVersionArePassedOver) {
    const SymbolTable symbols = ReadHeaderDefines(
        "#pragma once\n// ids\n#define IDD_MAIN 101\n#define IDS_FILTER (2)\n"
        "#ifndef RC_INVOKED\ninline constexpr int kMain = IDD_MAIN;\n#endif\n",
        "ids.h");
    const ResourceScript script = Parse(
        "#include <windows.h>\n"
        "IDD_MAIN DIALOGEX 0, 0, 10, 10\nBEGIN\nEND\n"
        "STRINGTABLE\nBEGIN\nIDS_FILTER \"f\"\nEND\n"
        "CREATEPROCESS_MANIFEST_RESOURCE_ID RT_MANIFEST \"app.manifest\"\n"
        "VS_VERSION_INFO VERSIONINFO\nFILEVERSION 1, 0, 0, 0\nBEGIN\n"
        "BLOCK \"StringFileInfo\"\nBEGIN\nVALUE \"ProductName\", \"x\"\nEND\nEND\n",
        symbols);
    ASSERT_EQ(script.dialogs.size(), 1u);
    EXPECT_EQ(script.dialogs[0].id, 101);
    EXPECT_EQ(script.strings.at(2), "f");
}

TEST(ResourceScriptErrors, NameTheFileAndLineOfWhatIsNotUnderstood) {
    EXPECT_EQ(ErrorOf(OneDialog("LTEXT \"a\", UNKNOWN_ID, 0, 0, 1, 1")),
              "test.rc:3: error: unknown symbol 'UNKNOWN_ID'");
    EXPECT_EQ(ErrorOf(OneDialog("\nSCROLLBAR 10, 0, 0, 1, 1")),
              "test.rc:4: error: unsupported control statement 'SCROLLBAR'");
    EXPECT_EQ(ErrorOf("1 MENU\n"), "test.rc:1: error: unsupported resource type 'MENU'");
    EXPECT_EQ(ErrorOf("#define X 1\n"),
              "test.rc:1: error: unsupported preprocessor directive '#define X 1'");
    EXPECT_EQ(ErrorOf("STRINGTABLE\nBEGIN\n1 \"open\nEND\n"),
              "test.rc:3: error: unterminated string");
    EXPECT_EQ(ErrorOf("1 DIALOGEX 0, 0, 10, 10\nEXSTYLE 0\nBEGIN\nEND\n"),
              "test.rc:2: error: unsupported dialog statement 'EXSTYLE'");
    EXPECT_EQ(ErrorOf(OneDialog("CONTROL \"\", 10, \"msctls_progress32\", 0, 0, 0, 1, 1")),
              "test.rc:3: error: unsupported control class 'msctls_progress32'");
    EXPECT_EQ(ErrorOf("1 DIALOGEX 0, 0, 10, 10\nBEGIN\n"),
              "test.rc:2: error: unexpected end of file");
}

// A template the backend builds wrongly is worse than a build that stops.
TEST(ResourceScriptErrors, RejectStylesWindresWouldCompileDifferentlyAndRepeatedIds) {
    EXPECT_EQ(ErrorOf(OneDialog("LTEXT \"a\", -1, 0, 0, 1, 1, SS_NOPREFIX")),
              "test.rc:3: error: styles on LTEXT differ between resource compilers; use CONTROL");
    EXPECT_EQ(
        ErrorOf(OneDialog("PUSHBUTTON \"a\", 10, 0, 0, 1, 1\nPUSHBUTTON \"b\", 10, 0, 9, 1, 1")),
        "test.rc:4: error: control id 10 used twice");
    EXPECT_EQ(ErrorOf("STRINGTABLE\nBEGIN\n1 \"a\"\n1 \"b\"\nEND\n"),
              "test.rc:4: error: string 1 defined twice");
}

TEST(ResourceScriptErrors, HeaderMayHoldOnlyIntegerDefinesOutsideTheCompilerGuard) {
    try {
        ReadHeaderDefines("#define A 1\n#define B \"text\"\n", "ids.h");
        FAIL() << "no error";
    } catch (const ScriptError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "ids.h:2: error: expected an integer define, found '#define B \"text\"'");
    }
    try {
        ReadHeaderDefines("#define A 1\ninline constexpr int kA = A;\n", "ids.h");
        FAIL() << "no error";
    } catch (const ScriptError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "ids.h:2: error: unsupported line 'inline constexpr int kA = A;'");
    }
}

}  // namespace
