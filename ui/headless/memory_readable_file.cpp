#include "ui/headless/memory_readable_file.h"

#include <algorithm>
#include <cstring>

namespace ui::headless {

namespace {

class MemoryReadableFile : public ReadableFile {
  public:
    MemoryReadableFile(std::string_view bytes, std::size_t readLimit)
        : bytes_(bytes), readLimit_(readLimit) {}

    std::optional<std::uint64_t> Size() override { return bytes_.size(); }

    std::size_t Read(char* into, std::size_t length) override {
        const std::size_t count = std::min({length, readLimit_, bytes_.size() - position_});
        std::memcpy(into, bytes_.data() + position_, count);
        position_ += count;
        return count;
    }

    bool Rewind() override {
        position_ = 0;
        return true;
    }

  private:
    std::string bytes_;
    std::size_t readLimit_;
    std::size_t position_ = 0;
};

}  // namespace

std::unique_ptr<ReadableFile> OpenMemoryFile(std::string_view bytes, std::size_t readLimit) {
    return std::make_unique<MemoryReadableFile>(bytes, readLimit);
}

}  // namespace ui::headless
