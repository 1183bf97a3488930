#pragma once

namespace text {

// The character a byte of 0x80 or above stands for in Mac OS Roman, the 8-bit encoding of classic
// Mac files (Excel for Mac's "CSV (Macintosh)" among them).
char16_t MacRomanCharacter(unsigned char byte);

}  // namespace text
