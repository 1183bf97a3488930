#include "speeddial/option_text.h"

#include <cstdint>

namespace speeddial {

namespace {

char Rot13(char c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<char>('a' + (c - 'a' + 13) % 26);
    }
    if (c >= 'A' && c <= 'Z') {
        return static_cast<char>('A' + (c - 'A' + 13) % 26);
    }
    return c;
}

std::uint32_t Base64Value(char c) {
    if (c >= 'A' && c <= 'Z') {
        return static_cast<std::uint32_t>(c - 'A');
    }
    if (c >= 'a' && c <= 'z') {
        return static_cast<std::uint32_t>(c - 'a' + 26);
    }
    if (c >= '0' && c <= '9') {
        return static_cast<std::uint32_t>(c - '0' + 52);
    }
    if (c == '+') {
        return 62;
    }
    if (c == '/') {
        return 63;
    }
    return 0;
}

}  // namespace

std::string Rot13Letters(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = Rot13(c);
    }
    return out;
}

std::string Base64DecodeText(std::string_view text) {
    std::string out;
    if (text.size() % 4 != 0) {
        return out;
    }
    for (std::size_t group = 0; group < text.size(); group += 4) {
        const std::uint32_t bits = Base64Value(text[group]) << 18 |
                                   Base64Value(text[group + 1]) << 12 |
                                   Base64Value(text[group + 2]) << 6 | Base64Value(text[group + 3]);
        out.push_back(static_cast<char>(bits >> 16 & 0xFF));
        if (text[group + 2] == '=') {
            break;
        }
        out.push_back(static_cast<char>(bits >> 8 & 0xFF));
        if (text[group + 3] == '=') {
            break;
        }
        out.push_back(static_cast<char>(bits & 0xFF));
    }
    // The decoded value is a C text: a zero byte ends it.
    const auto nul = out.find('\0');
    if (nul != std::string::npos) {
        out.erase(nul);
    }
    return out;
}

std::string DecodeOptionText(std::string_view text) {
    const std::string base64 = Rot13Letters(text);
    if (base64.empty()) {
        return base64;
    }
    return Base64DecodeText(base64);
}

void PadLeftZeros(std::string& text, std::size_t width) {
    if (text.size() < width) {
        text.insert(0, width - text.size(), '0');
    }
}

}  // namespace speeddial
