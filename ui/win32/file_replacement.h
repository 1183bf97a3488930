#pragma once

#include <string>
#include <string_view>

namespace ui {

// The full form of an ANSI path, at any length; empty when it has none.
std::string FullPathOf(std::string_view path);

// Writes the bytes to a file of a name of its own beside the target, created so that it cannot
// be anyone else's, and puts it in the target's place once every byte is written: an existing
// target keeps its attributes and security. Another program that has either file open for a
// moment is waited for, up to about two seconds. Paths of any length work. The temporary file is
// gone again whatever fails.
bool ReplaceWholeFile(std::string_view path, std::string_view bytes);

}  // namespace ui
