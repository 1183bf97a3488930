#pragma once

#include <string>
#include <string_view>

#include "speeddial/option_text.h"

using namespace speeddial;

// The stored form of an option value, as the device's export writes it: ROT13 of its Base64.
inline std::string EncodeOptionValue(std::string_view value) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string base64;
    for (std::size_t i = 0; i < value.size(); i += 3) {
        const std::size_t n = value.size() - i < 3 ? value.size() - i : 3;
        unsigned bits = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            bits = bits << 8 | (k < n ? static_cast<unsigned char>(value[i + k]) : 0u);
        }
        for (std::size_t k = 0; k < 4; ++k) {
            base64.push_back(k <= n ? kAlphabet[bits >> (18 - 6 * k) & 63] : '=');
        }
    }
    return Rot13Letters(base64);
}
