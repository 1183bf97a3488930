#include "csv/text_store.h"

#include <algorithm>
#include <cstring>

#include "recipients/recipient_entry.h"

namespace csv {

using recipients::kFieldTextMax;

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

}  // namespace

const char* TextStore::Keep(std::string_view text) {
    if (blocks_.empty() || kBlockSize - used_ < kFieldTextMax + 1) {
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
        used_ = 0;
    }
    char* const place = blocks_.back().get() + used_;
    const std::size_t length = std::min(text.size(), kFieldTextMax);
    std::memcpy(place, text.data(), length);
    place[length] = '\0';
    used_ += length + 1;
    return place;
}

}  // namespace csv
