#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/code_page.h"
#include "ui/headless/code_page_table.h"

namespace ui::headless {

// An ANSI code page as Windows and Wine have it: its lead bytes and full-width signs, and
// WideCharToMultiByte with best fit.
class AnsiCodePage {
  public:
    explicit AnsiCodePage(const CodePageTable& table);

    const CodePage& Description() const { return description_; }
    // One or two bytes a unit, the default character for a unit without a form (each unit of a
    // surrogate pair included); a unit that best fit would make a splitting character gives '?'.
    void Append(std::u16string_view text, std::string& out) const;

  private:
    CodePage description_;
    bool doubleByte_ = false;
    // The bytes of each unit as one number, the default character where it has no form.
    std::vector<std::uint16_t> codes_;
};

}  // namespace ui::headless
