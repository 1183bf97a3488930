#pragma once

#include <string_view>

namespace recipients {

// The most recipients a host with the limit control takes; its message is the pickers' answer
// when the selected list is full.
inline constexpr int kHostRecipientLimit = 50;
inline constexpr std::string_view kSelectionLimitMessage =
    "The selected recipients in list has reached the maximum entry limit.\nYou cannot import "
    "more than 50 recipients.";

}  // namespace recipients
