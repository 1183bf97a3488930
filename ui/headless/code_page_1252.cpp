#include "ui/headless/code_page_1252.h"

#include <array>

#include "ui/headless/code_page_1252_table.h"

namespace ui::headless {

namespace {

using UnitTable = std::array<char, 0x10000>;

UnitTable MakeUnitTable() {
    UnitTable table;
    table.fill('?');
    for (char16_t unit = 0; unit < 0x80; ++unit) {
        table[unit] = static_cast<char>(unit);
    }
    for (const UnitByte& pair : kCodePage1252BestFit) {
        table[pair.unit] = static_cast<char>(pair.byte);
    }
    return table;
}

}  // namespace

void AppendCodePage1252(std::u16string_view text, std::string& out) {
    static const UnitTable table = MakeUnitTable();
    const std::size_t start = out.size();
    out.resize(start + text.size());
    char* byte = out.data() + start;
    for (const char16_t unit : text) {
        *byte++ = table[unit];
    }
}

}  // namespace ui::headless
