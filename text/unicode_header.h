#pragma once

#include <string>
#include <string_view>

#include "text/text_decoding.h"

namespace text {

// The header of a file in Unicode text (or Mac Roman), taken from the file's own bytes before any
// conversion to the code page, in UTF-8: its first line that is not empty, or its last line when
// all are. Lines end as the image cuts them: at a line feed (a carriage return before it left out),
// or in classic Mac text at a carriage return. A byte-order mark is left out; a malformed sequence
// stays as it is (UTF-8) or becomes U+FFFD (UTF-16).
std::string UnicodeHeader(std::string_view bytes, TextEncoding encoding);

// The whole text in UTF-8, read as UnicodeHeader reads its header.
std::string UnicodeText(std::string_view bytes, TextEncoding encoding);

}  // namespace text
