#include "ui/headless/collation.h"

#include <algorithm>
#include <vector>

namespace ui::headless {

namespace {

// Code page 1252 letters with accents, by their base letter; 0 where the byte is no such letter.
constexpr char BaseLetter(unsigned char byte) {
    constexpr std::string_view kUpper = "AAAAAAACEEEEIIIIDNOOOOO*OUUUUYPs";  // 0xC0-0xDF
    constexpr std::string_view kLower = "aaaaaaaceeeeiiiidnooooo/ouuuuypy";  // 0xE0-0xFF
    if (byte >= 0xC0 && byte <= 0xDF) {
        const char base = kUpper[byte - 0xC0];
        return (base == '*' || base == 'P') ? 0 : base;
    }
    if (byte >= 0xE0) {
        const char base = kLower[byte - 0xE0];
        return (base == '/' || base == 'p') ? 0 : base;
    }
    switch (byte) {
        case 0x8A:
        case 0x9A:
            return 's';
        case 0x8E:
        case 0x9E:
            return 'z';
        case 0x9F:
            return 'y';
        default:
            return 0;
    }
}

char FoldCase(unsigned char byte) {
    if (byte >= 'A' && byte <= 'Z') {
        return static_cast<char>(byte - 'A' + 'a');
    }
    if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) {
        return static_cast<char>(byte + 0x20);
    }
    switch (byte) {
        case 0x8A:
            return static_cast<char>(0x9A);
        case 0x8C:
            return static_cast<char>(0x9C);
        case 0x8E:
            return static_cast<char>(0x9E);
        case 0x9F:
            return static_cast<char>(0xFF);
        default:
            return static_cast<char>(byte);
    }
}

struct Weights {
    std::vector<int> primary;
    std::vector<int> secondary;
};

Weights WeighText(std::string_view text) {
    enum Group { kSymbol = 0x100, kDigit = 0x200, kLetter = 0x300 };
    Weights weights;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '-' || byte == '\'') {
            continue;  // word sort: weighs only when all else is equal
        }
        if (byte >= '0' && byte <= '9') {
            weights.primary.push_back(kDigit + byte);
            weights.secondary.push_back(0);
        } else if (const char base = BaseLetter(byte); base != 0) {
            weights.primary.push_back(kLetter + static_cast<unsigned char>(FoldCase(base)));
            weights.secondary.push_back(static_cast<unsigned char>(FoldCase(byte)));
        } else if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) {
            weights.primary.push_back(kLetter + static_cast<unsigned char>(FoldCase(byte)));
            weights.secondary.push_back(0);
        } else {
            weights.primary.push_back(kSymbol + static_cast<unsigned char>(FoldCase(byte)));
            weights.secondary.push_back(0);
        }
    }
    return weights;
}

int CompareSequences(const std::vector<int>& a, const std::vector<int>& b) {
    const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (ia != a.end() && ib != b.end()) {
        return *ia < *ib ? -1 : 1;
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return 0;
}

}  // namespace

int CompareItemTexts(std::string_view a, std::string_view b) {
    const Weights wa = WeighText(a);
    const Weights wb = WeighText(b);
    if (const int primary = CompareSequences(wa.primary, wb.primary); primary != 0) {
        return primary;
    }
    if (const int secondary = CompareSequences(wa.secondary, wb.secondary); secondary != 0) {
        return secondary;
    }
    // Texts equal but for their hyphens and apostrophes: the one with such a sign sorts after.
    const auto lastWeights = [](std::string_view text) {
        std::vector<int> weights;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            weights.push_back(byte == '-' || byte == '\''
                                  ? 0x100 + byte
                                  : static_cast<unsigned char>(FoldCase(byte)));
        }
        return weights;
    };
    return CompareSequences(lastWeights(a), lastWeights(b));
}

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    const auto fold = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (fold(text[i]) != fold(prefix[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace ui::headless
