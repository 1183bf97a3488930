#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace speeddial {

// The Secure Fax and F Code columns hold ROT13 of the value's Base64 text.

// Each ASCII letter moves 13 places within its case; every other byte stays.
std::string Rot13Letters(std::string_view text);
// RFC 4648 alphabet, other bytes read as 0; a length that is not a multiple of 4 gives "". A "="
// in the third or fourth place of a group ends the text there, and so does a decoded zero byte.
std::string Base64DecodeText(std::string_view text);
// ROT13, then Base64: "LJWw" gives "abc".
std::string DecodeOptionText(std::string_view text);
// Fills a text shorter than width up to width with "0" on the left.
void PadLeftZeros(std::string& text, std::size_t width);

}  // namespace speeddial
