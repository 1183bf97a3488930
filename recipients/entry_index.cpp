#include "recipients/entry_index.h"

#include <functional>

namespace recipients {

bool EntryIndex::Contains(const std::vector<std::string>& entries, std::string_view text) {
    CatchUp(entries);
    const auto [first, last] = positions_.equal_range(std::hash<std::string_view>{}(text));
    for (auto found = first; found != last; ++found) {
        if (found->second < entries.size() && entries[found->second] == text) {
            return true;
        }
    }
    return false;
}

void EntryIndex::CatchUp(const std::vector<std::string>& entries) {
    if (entries.size() < indexed_) {
        positions_.clear();
        indexed_ = 0;
    }
    for (; indexed_ < entries.size(); ++indexed_) {
        positions_.emplace(std::hash<std::string_view>{}(entries[indexed_]), indexed_);
    }
}

}  // namespace recipients
