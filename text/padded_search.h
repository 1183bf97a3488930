#pragma once

#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace text {

// Bytes after the terminating NUL of a file image that may be read, never used: a search reads
// whole blocks of this size.
inline constexpr std::size_t kSearchPadding = 16;

// As std::strchr for a byte other than NUL, sixteen bytes at a time and without a call, for the
// millions of short fields of a large file. The text must be followed, after its NUL, by
// kSearchPadding - 1 readable bytes, as every line of a TextImage is.
class PaddedTextSearch {
  public:
    explicit PaddedTextSearch(char wanted)
#if defined(__SSE2__)
        : wanteds_(_mm_set1_epi8(wanted))
#else
        : wanted_(wanted)
#endif
    {
    }

    char* In(char* text) const {
#if defined(__SSE2__)
        for (;; text += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text));
            const auto found =
                static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, wanteds_)));
            const auto ends = static_cast<unsigned>(
                _mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_setzero_si128())));
            if ((found | ends) != 0) {
                // The wanted byte counts only before the first NUL: below the NUL's bit.
                const unsigned beforeEnd = ends == 0 ? found : found & ((ends & -ends) - 1);
                return beforeEnd == 0 ? nullptr : text + __builtin_ctz(beforeEnd);
            }
        }
#else
        return std::strchr(text, wanted_);
#endif
    }

  private:
#if defined(__SSE2__)
    __m128i wanteds_;
#else
    char wanted_;
#endif
};

// As std::memchr for a line feed in [text, end), the same way: end must be followed by
// kSearchPadding readable bytes.
inline char* FindLineFeedInPaddedText(char* text, const char* end) {
#if defined(__SSE2__)
    const __m128i feeds = _mm_set1_epi8('\n');
    for (; text < end; text += 16) {
        const auto hits = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text)), feeds)));
        if (hits != 0) {
            char* const hit = text + __builtin_ctz(hits);
            return hit < end ? hit : nullptr;
        }
    }
    return nullptr;
#else
    return static_cast<char*>(std::memchr(text, '\n', static_cast<std::size_t>(end - text)));
#endif
}

}  // namespace text
