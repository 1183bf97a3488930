#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/platform.h"

namespace text {

// A file's text in the ANSI code page. A byte-order mark declares the encoding: FF FE UTF-16 LE,
// FE FF UTF-16 BE, EF BB BF UTF-8. Without one, the bytes are UTF-8 when they are strict UTF-8
// (no overlong form, no surrogate, nothing above U+10FFFF) with at least one byte from 0x80 on,
// and ANSI text otherwise. Unicode text is converted by the platform, the mark left out. In a
// file with a mark, each malformed UTF-8 sequence (its longest valid beginning), lone surrogate
// and odd last byte becomes U+FFFD, which the platform then turns into its substitute.
// Nothing when the bytes are ANSI text to be read as they are. Throws std::bad_alloc.
std::optional<std::string> DecodeToAnsi(std::string_view bytes, ui::Platform& platform);

// UTF-8 text in the ANSI code page, converted by the platform; a malformed sequence becomes
// U+FFFD first. Throws std::bad_alloc.
std::string Utf8ToAnsi(std::string_view utf8, ui::Platform& platform);

enum class TextEncoding { Ansi, Utf8, Utf16LittleEndian, Utf16BigEndian, MacRoman };

// A whole file's text as DecodeToAnsi gives it, and the encoding it was read in. A classic Mac
// file, one with carriage returns and no line feed, whose bytes are not UTF-8 but reach 0x80 is
// read as Mac Roman and converted like Unicode text.
std::optional<std::string> DecodeFileToAnsi(std::string_view bytes, ui::Platform& platform,
                                            TextEncoding& encoding);

// Whether the text ends its lines with carriage returns alone.
bool IsClassicMacText(std::string_view bytes);

}  // namespace text
