#pragma once

#include <optional>
#include <string>

#include "tests/scenario_library/scenario.h"
#include "tests/scenario_library/window_state.h"

namespace scenario {

// A path as the tool would take it: "{dir}" replaced, and a relative one placed in dir, which is
// also the tool's working directory.
std::string PathInDir(const std::string& word, const std::string& dir);

// Creates every file of the setup in dir (which ends with its separator); false when one cannot
// be written.
bool WriteSetupFiles(const Setup& setup, const std::string& dir);

// The argument text the tool gets ("{dir}" replaced): the start-up code skips the blanks and
// control characters between the program name and the arguments.
std::string ToolArguments(const Setup& setup, const std::string& dir);

// The result-file path the tool takes from its arguments, placed in dir when relative: a first
// word in double quotes up to the closing quote (or the end), else up to the first blank; empty
// without arguments.
std::string ResultPath(const Setup& setup, const std::string& dir);

// `expect file NAME unchanged`: the file that the setup created is byte for byte as it was.
// Nothing for any other statement.
std::optional<Mismatch> CheckSetupFile(const Statement& statement, const Setup& setup,
                                       const std::string& dir);

// A file's whole content; nothing when it does not exist or cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

}  // namespace scenario
