#pragma once

#include <cstddef>
#include <string_view>

#include "ui/code_page.h"

namespace recipients {

// The system's ANSI code page as the text rules of every source see it: like the system's own,
// it holds for the whole process. The run sets it from the platform before any source is read;
// until then it is code page 1252.
void UseAnsiCodePage(const ui::CodePage& codePage);

namespace current {
// Read for every byte of a name, so the test is inline.
inline ui::CodePage codePage;
inline bool hasLeadBytes = false;
}  // namespace current

inline const ui::CodePage& AnsiCodePage() {
    return current::codePage;
}
// Whether the code page has any lead byte: the single-byte ones keep the byte-wise paths.
inline bool HasLeadBytes() {
    return current::hasLeadBytes;
}
inline bool IsLeadByte(char byte) {
    return current::codePage.leadBytes[static_cast<unsigned char>(byte)];
}

// The length of the longest beginning of text of at most `most` bytes that ends between two
// characters: a double-byte character that would not fit whole is left out. A lead byte at the
// end of the text counts as one character.
std::size_t WholeCharacterLength(std::string_view text, std::size_t most);

// The ASCII sign that a double-byte character stands for as a full-width sign, or 0.
char FullWidthSign(char lead, char trail);

}  // namespace recipients
