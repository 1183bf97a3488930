#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The pieces of Unicode that reading a file's own text needs in more than one place.
namespace text {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

inline bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

inline bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Calls take(codePoint) for each character of UTF-16 text, a surrogate pair as one and a lone
// surrogate as U+FFFD, until it returns false. An odd last byte is left to the caller.
template <bool kBigEndian, typename Take>
void ForEachUtf16Character(std::string_view bytes, Take take) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t units = bytes.size() / 2;
    const auto unitAt = [data](std::size_t i) -> char32_t {
        const char32_t first = data[2 * i];
        const char32_t second = data[2 * i + 1];
        return kBigEndian ? (first << 8) | second : (second << 8) | first;
    };
    for (std::size_t i = 0; i < units; ++i) {
        char32_t unit = unitAt(i);
        if (IsHighSurrogate(unit) && i + 1 < units && IsLowSurrogate(unitAt(i + 1))) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + (unitAt(++i) - 0xDC00);
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            unit = kReplacementCharacter;
        }
        if (!take(unit)) {
            return;
        }
    }
}

inline void AppendUtf8(char32_t codePoint, std::string& text) {
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace text
