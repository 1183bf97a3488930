#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scenario {

// UTF-8 text as UTF-16 bytes in the given order, after their byte-order mark; nothing when its
// bytes do not form UTF-8 sequences.
std::optional<std::string> Utf16FromUtf8(std::string_view text, bool bigEndian);

}  // namespace scenario
