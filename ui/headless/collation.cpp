#include "ui/headless/collation.h"

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

constexpr char FoldCase(unsigned char byte) {
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

// Hyphen and apostrophe weigh only when all else is equal (word sort).
constexpr bool WeighsLast(unsigned char byte) {
    return byte == '-' || byte == '\'';
}

constexpr int PrimaryWeight(unsigned char byte) {
    enum Group { kSymbol = 0x100, kDigit = 0x200, kLetter = 0x300 };
    if (byte >= '0' && byte <= '9') {
        return kDigit + byte;
    }
    if (const char base = BaseLetter(byte); base != 0) {
        return kLetter + static_cast<unsigned char>(FoldCase(base));
    }
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) {
        return kLetter + static_cast<unsigned char>(FoldCase(byte));
    }
    return kSymbol + static_cast<unsigned char>(FoldCase(byte));
}

// The accent and case of a letter with an accent; 0 for every other byte.
constexpr int SecondaryWeight(unsigned char byte) {
    return BaseLetter(byte) != 0 ? static_cast<unsigned char>(FoldCase(byte)) : 0;
}

constexpr int FinalWeight(unsigned char byte) {
    return WeighsLast(byte) ? 0x100 + byte : static_cast<unsigned char>(FoldCase(byte));
}

struct WeightTables {
    int primary[256];
    int secondary[256];
    int final[256];
};

constexpr WeightTables MakeWeightTables() {
    WeightTables tables{};
    for (int byte = 0; byte < 256; ++byte) {
        const auto b = static_cast<unsigned char>(byte);
        tables.primary[byte] = PrimaryWeight(b);
        tables.secondary[byte] = SecondaryWeight(b);
        tables.final[byte] = FinalWeight(b);
    }
    return tables;
}

constexpr WeightTables kWeights = MakeWeightTables();

// Compares the weights of two texts position by position, the shorter sequence first where one
// is the other's beginning; bytes that weigh last are left out unless withLastBytes. Sorting
// compares often, so nothing is allocated here.
int CompareWeights(std::string_view a, std::string_view b, const int (&weights)[256],
                   bool withLastBytes) {
    std::size_t i = 0;
    std::size_t j = 0;
    for (;; ++i, ++j) {
        if (!withLastBytes) {
            while (i < a.size() && WeighsLast(static_cast<unsigned char>(a[i]))) {
                ++i;
            }
            while (j < b.size() && WeighsLast(static_cast<unsigned char>(b[j]))) {
                ++j;
            }
        }
        const bool aEnded = i == a.size();
        const bool bEnded = j == b.size();
        if (aEnded || bEnded) {
            return aEnded == bEnded ? 0 : (aEnded ? -1 : 1);
        }
        const int wa = weights[static_cast<unsigned char>(a[i])];
        const int wb = weights[static_cast<unsigned char>(b[j])];
        if (wa != wb) {
            return wa < wb ? -1 : 1;
        }
    }
}

}  // namespace

int CompareItemTexts(std::string_view a, std::string_view b) {
    if (const int primary = CompareWeights(a, b, kWeights.primary, false); primary != 0) {
        return primary;
    }
    if (const int secondary = CompareWeights(a, b, kWeights.secondary, false); secondary != 0) {
        return secondary;
    }
    // Texts equal but for their hyphens and apostrophes: the one with such a sign sorts after.
    return CompareWeights(a, b, kWeights.final, true);
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
