#pragma once

#include <string>
#include <vector>

// Reads the whole file in one piece into image, followed by one NUL so that the last line is
// terminated. Returns 0, or kOpenFailed, kSizeFailed, kOutOfMemory or kReadFailed
// (nothing read, also for an empty file).
int LoadFileImage(const std::string& path, std::vector<char>& image);

// Cuts a NUL-terminated image into lines in place, from offset start: each line feed, or the
// carriage return before it, becomes the line's terminator. Entry 0 is the start; entry j + 1
// follows the j-th line feed, so the last entry is the text after the last line feed. Returns
// false when the table cannot be allocated.
bool CutLines(std::vector<char>& image, std::size_t start, std::vector<char*>& lines);
