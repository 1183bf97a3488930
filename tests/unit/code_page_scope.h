#pragma once

#include "recipients/ansi_code_page.h"
#include "ui/headless/ansi_code_page.h"

// The text rules in one of the code pages of the in-memory platform for the scope's length.
class CodePageScope {
  public:
    explicit CodePageScope(unsigned number) {
        recipients::UseAnsiCodePage(
            ui::headless::AnsiCodePage(*ui::headless::FindCodePageTable(number)).Description());
    }
    ~CodePageScope() { recipients::UseAnsiCodePage(ui::CodePage{}); }
    CodePageScope(const CodePageScope&) = delete;
    CodePageScope& operator=(const CodePageScope&) = delete;
};
