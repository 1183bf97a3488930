#pragma once

#include <string_view>

#include "ui/controls.h"

namespace recipients {

// The pickers' type-ahead: selects the first item, from the first selected one on and wrapping,
// whose text begins with the typed text as the list box compares it (ASCII letters in any case),
// and scrolls it to the top. Nothing changes when no item matches.
void SelectTypedPrefix(ui::ListBox& list, std::string_view typed);

}  // namespace recipients
