#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace recipients {

// Tells whether a text is among a list of entry texts without going through the whole list. It
// keeps the positions of the texts in an open-addressed table by their hash and takes in, on each
// question, the texts appended since the last one; a list that has shrunk is indexed anew. The
// table is one array, so that a list of a hundred thousand members costs no allocation a member.
class EntryIndex {
  public:
    bool Contains(const std::vector<std::string>& entries, std::string_view text);

  private:
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t position = kEmpty;
    };
    static constexpr std::uint32_t kEmpty = UINT32_MAX;

    void CatchUp(const std::vector<std::string>& entries);
    void Insert(std::uint32_t hash, std::uint32_t position);
    void Grow();

    std::vector<Slot> slots_;  // a power of two in size, at most half full
    std::size_t indexed_ = 0;
};

}  // namespace recipients
