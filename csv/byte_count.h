#pragma once

#include <cstddef>

namespace csv {

struct ByteCounts {
    std::size_t first = 0;
    std::size_t second = 0;
};

// How often each of two byte values occurs in [begin, end), counted sixteen bytes at a time.
ByteCounts CountTwoBytes(const char* begin, const char* end, char first, char second);

}  // namespace csv
