#include "ui/win32/command_line.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(CommandLineAfterProgramName, SkipsAnUnquotedProgramNameAndTheBlanksAfterIt) {
    EXPECT_EQ(CommandLineAfterProgramName("C:\\tool\\faximport.exe C:\\out.bin more"),
              "C:\\out.bin more");
    EXPECT_EQ(CommandLineAfterProgramName("faximport \t  C:\\out.bin"), "C:\\out.bin");
}

TEST(CommandLineAfterProgramName, BlanksInsideQuotesBelongToTheProgramName) {
    EXPECT_EQ(CommandLineAfterProgramName("\"C:\\Program Files\\faximport.exe\" C:\\out.bin"),
              "C:\\out.bin");
    // The quotes only toggle: the name runs on after the closing quote up to a blank.
    EXPECT_EQ(CommandLineAfterProgramName("\"C:\\a b\"\\faximport.exe out.bin"), "out.bin");
    EXPECT_EQ(CommandLineAfterProgramName("\"C:\\a b\\faximport.exe out.bin"), "");
}

TEST(CommandLineAfterProgramName, LeavesTheArgumentTextAsItStands) {
    EXPECT_EQ(CommandLineAfterProgramName("faximport \"C:\\my out.bin\"  x\ty "),
              "\"C:\\my out.bin\"  x\ty ");
}

TEST(CommandLineAfterProgramName, GivesNothingWithoutArguments) {
    EXPECT_EQ(CommandLineAfterProgramName(""), "");
    EXPECT_EQ(CommandLineAfterProgramName("faximport"), "");
    EXPECT_EQ(CommandLineAfterProgramName("\"C:\\a b\\faximport.exe\""), "");
    EXPECT_EQ(CommandLineAfterProgramName("faximport   \t"), "");
}

TEST(CommandLineAfterProgramName, ControlCharactersSeparateAndHighBytesDoNot) {
    EXPECT_EQ(CommandLineAfterProgramName("faximport\x01\x02out.bin"), "out.bin");
    EXPECT_EQ(CommandLineAfterProgramName("fax\xE9import \xE9out.bin"), "\xE9out.bin");
}

}  // namespace
}  // namespace ui
