#pragma once

#include <string_view>

namespace ui {

// The part of a process command line after the program name, as the C start-up code hands it
// to WinMain: the program name runs to the first character up to 0x20 that stands outside
// double quotes; then every character up to 0x20 is skipped.
std::string_view CommandLineAfterProgramName(std::string_view commandLine);

}  // namespace ui
