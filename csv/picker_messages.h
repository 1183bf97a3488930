#pragma once

#include <string_view>

// The warnings that the CSV and the speed-dial pickers both show, in one place so that the two
// cannot drift apart.
inline constexpr std::string_view kSelectionLimitMessage =
    "The selected recipients in list has reached the maximum entry limit.\nYou cannot import "
    "more than 50 recipients.";
inline constexpr std::string_view kSelectionOutOfMemoryMessage =
    "Insufficient memory to add multiple entries.\nReduce your selections and try again.";
