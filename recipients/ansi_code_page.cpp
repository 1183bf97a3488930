#include "recipients/ansi_code_page.h"

#include <algorithm>
#include <cstdint>

namespace recipients {

void UseAnsiCodePage(const ui::CodePage& codePage) {
    current::codePage = codePage;
    current::hasLeadBytes = std::ranges::any_of(codePage.leadBytes, [](bool lead) { return lead; });
}

std::size_t WholeCharacterLength(std::string_view text, std::size_t most) {
    if (!HasLeadBytes() || text.size() <= most) {
        return std::min(text.size(), most);
    }
    std::size_t length = 0;
    while (length < text.size()) {
        const std::size_t next =
            length + (IsLeadByte(text[length]) && length + 1 < text.size() ? 2 : 1);
        if (next > most) {
            break;
        }
        length = next;
    }
    return length;
}

char FullWidthSign(char lead, char trail) {
    const auto form = static_cast<std::uint16_t>(static_cast<unsigned char>(lead) << 8 |
                                                 static_cast<unsigned char>(trail));
    const auto& forms = AnsiCodePage().fullWidthForms;
    const auto found = std::find(forms.begin(), forms.end(), form);
    return found == forms.end() ? '\0' : static_cast<char>('!' + (found - forms.begin()));
}

}  // namespace recipients
