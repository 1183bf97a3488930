#include "csv/byte_count.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace csv {
namespace {

#if defined(__SSE2__)
std::size_t SumOfBytes(__m128i counters) {
    const __m128i sums = _mm_sad_epu8(counters, _mm_setzero_si128());
    return static_cast<std::size_t>(_mm_cvtsi128_si64(sums) +
                                    _mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
}
#endif

}  // namespace

ByteCounts CountTwoBytes(const char* begin, const char* end, char first, char second) {
    ByteCounts counts;
    const char* byte = begin;
#if defined(__SSE2__)
    const __m128i firsts = _mm_set1_epi8(first);
    const __m128i seconds = _mm_set1_epi8(second);
    // A byte-wide counter holds at most 255 matches: the counters are summed every 255 blocks.
    constexpr std::ptrdiff_t kBlocksPerSum = 255;
    while (end - byte >= 16) {
        const std::ptrdiff_t blocks = std::min((end - byte) / 16, kBlocksPerSum);
        __m128i firstCounters = _mm_setzero_si128();
        __m128i secondCounters = _mm_setzero_si128();
        for (std::ptrdiff_t i = 0; i < blocks; ++i, byte += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(byte));
            // A match compares as -1 in its byte.
            firstCounters = _mm_sub_epi8(firstCounters, _mm_cmpeq_epi8(block, firsts));
            secondCounters = _mm_sub_epi8(secondCounters, _mm_cmpeq_epi8(block, seconds));
        }
        counts.first += SumOfBytes(firstCounters);
        counts.second += SumOfBytes(secondCounters);
    }
#endif
    for (; byte != end; ++byte) {
        counts.first += *byte == first;
        counts.second += *byte == second;
    }
    return counts;
}

}  // namespace csv
