#pragma once

#include <span>

namespace ui::headless {

struct UnitByte {
    char16_t unit;
    unsigned char byte;
};

// The UTF-16 units from U+0080 on that code page 1252 gives a byte other than '?', by unit.
extern const std::span<const UnitByte> kCodePage1252BestFit;

}  // namespace ui::headless
