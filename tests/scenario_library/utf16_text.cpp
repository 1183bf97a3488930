#include "tests/scenario_library/utf16_text.h"

namespace scenario {

namespace {

void AppendUnit(std::string& out, char32_t unit, bool bigEndian) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

}  // namespace

std::optional<std::string> Utf16FromUtf8(std::string_view text, bool bigEndian) {
    std::string out;
    AppendUnit(out, 0xFEFF, bigEndian);
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i++]);
        const int more = lead < 0x80    ? 0
                         : lead >= 0xF0 ? 3
                         : lead >= 0xE0 ? 2
                         : lead >= 0xC2 ? 1
                                        : -1;
        if (more < 0 || lead > 0xF4 || text.size() - i < static_cast<std::size_t>(more)) {
            return std::nullopt;
        }
        char32_t codePoint = more == 0 ? lead : lead & (0x3Fu >> more);
        for (int k = 0; k < more; ++k) {
            const auto next = static_cast<unsigned char>(text[i++]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            codePoint = (codePoint << 6) | (next & 0x3Fu);
        }
        if (codePoint >= 0x10000) {
            codePoint -= 0x10000;
            AppendUnit(out, 0xD800 + (codePoint >> 10), bigEndian);
            AppendUnit(out, 0xDC00 + (codePoint & 0x3FF), bigEndian);
        } else {
            AppendUnit(out, codePoint, bigEndian);
        }
    }
    return out;
}

}  // namespace scenario
