#pragma once

#include <string_view>

namespace recipients {

// The warning that the CSV and the speed-dial pickers both show when they cannot take a selection,
// in one place so that the two cannot drift apart.
inline constexpr std::string_view kSelectionOutOfMemoryMessage =
    "Insufficient memory to add multiple entries.\nReduce your selections and try again.";

}  // namespace recipients
