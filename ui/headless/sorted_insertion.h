#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "ui/headless/collation.h"
#include "ui/headless/headless_window.h"

namespace ui::headless {

// Where LB_ADDSTRING puts a text into a sorted box of `count` items: the binary search of the
// real control, which stops at the first equal item it probes. itemText(i) is item i's text.
template <typename ItemText>
int SortedPosition(int count, ItemText itemText, std::string_view text) {
    int low = 0;
    int high = count;
    while (low != high) {
        const int middle = (low + high) / 2;
        const int order = CompareItemTexts(itemText(middle), text);
        if (order == 0) {
            return middle;
        }
        if (order > 0) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return high;
}

// The order of a sorted box that holds `existing` (in its order) once it has taken each of
// `added` in turn, each where SortedPosition puts it: an index below existing.size() names an
// existing item, any other one added[index - existing.size()]. Linearithmic, where inserting
// into one array one by one is quadratic.
std::vector<std::uint32_t> SortedInsertionOrder(std::span<const ListItem> existing,
                                                std::span<const std::string_view> added);

}  // namespace ui::headless
