#pragma once

#include <string>
#include <string_view>

namespace ui::headless {

// Appends UTF-16 text as WideCharToMultiByte(1252) with best fit converts it under Windows and
// Wine: one byte a unit, '?' for a unit without a form, each unit of a surrogate pair included.
void AppendCodePage1252(std::u16string_view text, std::string& out);

}  // namespace ui::headless
