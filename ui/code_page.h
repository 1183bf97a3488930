#pragma once

#include <array>
#include <cstdint>

namespace ui {

// What the text rules need to know of the system's ANSI code page.
struct CodePage {
    static constexpr char16_t kFirstFullWidth = 0xFF01;  // U+FF01-U+FF5E mirror '!' to '~'
    static constexpr int kFullWidthSigns = 94;

    unsigned number = 1252;
    // The bytes that begin a double-byte character; none in a single-byte code page.
    std::array<bool, 256> leadBytes{};
    // The double-byte form (lead byte << 8 | trail byte) of each full-width sign from U+FF01 on,
    // 0 where the code page has none.
    std::array<std::uint16_t, kFullWidthSigns> fullWidthForms{};
};

}  // namespace ui
