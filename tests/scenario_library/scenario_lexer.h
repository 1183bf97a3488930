#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scenario {

// Splits one statement line into decoded words: blanks separate, double quotes group, and inside
// quotes \" \\ \t \n \xHH are escapes. Throws ParseError (with the given line) on a malformed word.
std::vector<std::string> SplitWords(std::string_view text, int line);

// The text of a file content line after its '|': verbatim except for \\ and \xHH.
std::string DecodeContentLine(std::string_view text, int line);

// "41 42" or "4142" and the like: hex digit pairs, blanks ignored.
std::string DecodeHex(const std::vector<std::string>& words, int line);

}  // namespace scenario
