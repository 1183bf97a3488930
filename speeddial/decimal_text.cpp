#include "speeddial/decimal_text.h"

#include <limits>

namespace speeddial {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

std::int32_t ParseDecimal(std::string_view text) {
    std::uint32_t value = 0;
    for (char c : text) {
        if (!IsDigit(c)) {
            return 0;
        }
        value = value * 10u + static_cast<std::uint32_t>(c - '0');
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t ParseLeadingDecimal(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > kMax + 1) {
            value = kMax + 1;  // keeps the sum bounded; the sign decides where it saturates
        }
    }
    if (negative) {
        return static_cast<std::int32_t>(-value < kMin ? kMin : -value);
    }
    return static_cast<std::int32_t>(value > kMax ? kMax : value);
}

}  // namespace speeddial
