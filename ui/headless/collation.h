#pragma once

#include <string_view>

namespace ui::headless {

// The order of a sorted list box: CompareString with NORM_IGNORECASE as Windows and Wine apply it
// to code page 1252 text (symbols before digits before letters, accents and case weighing less
// than letters, hyphen and apostrophe ignored first). Negative, zero or positive.
int CompareItemTexts(std::string_view a, std::string_view b);

// The prefix test of LB_FINDSTRING as Wine's list box makes it: A-Z and a-z match in either case,
// every other byte only itself (an accented letter only in the same case).
bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);

}  // namespace ui::headless
