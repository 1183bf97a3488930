#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace recipients {

// Tells whether a text is among a list of entry texts without going through the whole list. It
// keeps the positions of the texts by their hash and takes in, on each question, the texts
// appended since the last one; a list that has shrunk is indexed anew.
class EntryIndex {
  public:
    bool Contains(const std::vector<std::string>& entries, std::string_view text);

  private:
    void CatchUp(const std::vector<std::string>& entries);

    std::unordered_multimap<std::size_t, std::size_t> positions_;  // hash -> position
    std::size_t indexed_ = 0;
};

}  // namespace recipients
