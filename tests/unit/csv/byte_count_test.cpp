#include "csv/byte_count.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

// Sixteen bytes at a time must count as one byte at a time: at every start and end around the
// blocks, and over runs where every byte matches, past what a byte-wide counter holds.
TEST(CountTwoBytes, CountsAsOneByteAtATime) {
    std::mt19937 random(11);
    std::string text(9000, '\0');
    for (char& c : text) {
        c = "\n,;\x80\xFF"
            "a"[random() % 6];
    }
    std::fill(text.begin() + 100, text.begin() + 100 + 255 * 16 + 40, '\n');
    for (std::size_t begin = 0; begin < 40; ++begin) {
        for (std::size_t end : {begin, begin + 1, begin + 15, begin + 16, begin + 17, begin + 100,
                                text.size() - 33, text.size()}) {
            const char* first = text.data() + begin;
            const char* last = text.data() + end;
            const csv::ByteCounts counts = csv::CountTwoBytes(first, last, '\n', '\xFF');
            EXPECT_EQ(counts.first, static_cast<std::size_t>(std::count(first, last, '\n')));
            EXPECT_EQ(counts.second, static_cast<std::size_t>(std::count(first, last, '\xFF')));
        }
    }
}

}  // namespace
