#include "recipients/entry_index.h"

#include <functional>

namespace recipients {

namespace {

std::uint32_t HashOf(std::string_view text) {
    return static_cast<std::uint32_t>(std::hash<std::string_view>{}(text));
}

}  // namespace

bool EntryIndex::Contains(const std::vector<std::string>& entries, std::string_view text) {
    CatchUp(entries);
    if (slots_.empty()) {
        return false;
    }
    const std::uint32_t hash = HashOf(text);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask; slots_[i].position != kEmpty; i = (i + 1) & mask) {
        if (slots_[i].hash == hash && entries[slots_[i].position] == text) {
            return true;
        }
    }
    return false;
}

void EntryIndex::CatchUp(const std::vector<std::string>& entries) {
    if (entries.size() < indexed_) {
        slots_.clear();
        indexed_ = 0;
    }
    for (; indexed_ < entries.size(); ++indexed_) {
        if (2 * (indexed_ + 1) > slots_.size()) {
            Grow();
        }
        Insert(HashOf(entries[indexed_]), static_cast<std::uint32_t>(indexed_));
    }
}

void EntryIndex::Insert(std::uint32_t hash, std::uint32_t position) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    while (slots_[i].position != kEmpty) {
        i = (i + 1) & mask;
    }
    slots_[i] = {hash, position};
}

void EntryIndex::Grow() {
    std::vector<Slot> old(slots_.empty() ? 16 : 2 * slots_.size());
    old.swap(slots_);
    for (const Slot& slot : old) {
        if (slot.position != kEmpty) {
            Insert(slot.hash, slot.position);
        }
    }
}

}  // namespace recipients
