#pragma once

#include <string>
#include <string_view>

namespace app {

// Puts text in place of the one "%s" of a message pattern; texts of any length pass whole.
std::string FillText(std::string_view pattern, std::string_view text);

}  // namespace app
