#include "ui/headless/ansi_code_page.h"

namespace ui::headless {

namespace {

constexpr bool IsSplittingByte(std::uint16_t code) {
    return code == '\t' || code == '\n' || code == '\r' || code == '"' || code == ',' ||
           code == ';';
}

}  // namespace

AnsiCodePage::AnsiCodePage(const CodePageTable& table) : codes_(0x10000, table.defaultChar) {
    description_.number = table.number;
    for (std::size_t i = 0; i + 1 < table.leadRanges.size(); i += 2) {
        const auto first = static_cast<unsigned char>(table.leadRanges[i]);
        const auto last = static_cast<unsigned char>(table.leadRanges[i + 1]);
        for (unsigned byte = first; byte <= last; ++byte) {
            description_.leadBytes[byte] = true;
            doubleByte_ = true;
        }
    }
    for (char16_t unit = 0; unit < 0x80; ++unit) {
        codes_[unit] = unit;
    }
    for (std::size_t i = 0; i < table.singleBytes.size(); ++i) {
        if (table.singleBytes[i] != CodePageTable::kNone) {
            codes_[table.singleBytes[i]] = static_cast<std::uint16_t>(0x80 + i);
        }
    }
    std::size_t position = 0;
    for (unsigned lead = 0x80; lead < 0x100; ++lead) {
        for (unsigned trail = 0; description_.leadBytes[lead] && trail < CodePageTable::kTrails;
             ++trail, ++position) {
            const char16_t unit = table.doubleBytes[position];
            if (unit != CodePageTable::kNone) {
                codes_[unit] =
                    static_cast<std::uint16_t>(lead << 8 | (CodePageTable::kFirstTrail + trail));
            }
        }
    }
    for (const UnitCode& pair : table.bestFit) {
        codes_[pair.unit] = IsSplittingByte(pair.code) ? '?' : pair.code;
    }
    for (int i = 0; i < CodePage::kFullWidthSigns; ++i) {
        const std::uint16_t code = codes_[CodePage::kFirstFullWidth + i];
        if (code > 0xFF) {
            description_.fullWidthForms[i] = code;
        }
    }
}

void AnsiCodePage::Append(std::u16string_view text, std::string& out) const {
    const std::size_t start = out.size();
    out.resize(start + text.size() * (doubleByte_ ? 2 : 1));
    char* byte = out.data() + start;
    for (const char16_t unit : text) {
        const std::uint16_t code = codes_[unit];
        if (code > 0xFF) {
            *byte++ = static_cast<char>(code >> 8);
        }
        *byte++ = static_cast<char>(code);
    }
    out.resize(static_cast<std::size_t>(byte - out.data()));
}

}  // namespace ui::headless
