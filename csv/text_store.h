#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace csv {

// Keeps candidate texts that have no lasting place in the file image. Texts stay where they are
// until the store is destroyed; memory is taken in large blocks.
class TextStore {
  public:
    // A NUL-terminated copy of text, cut to kFieldTextMax bytes.
    const char* Keep(std::string_view text);

  private:
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t used_ = 0;
};

}  // namespace csv
