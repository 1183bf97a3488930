#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace ui {

// A file the platform has opened for reading; closed when destroyed.
class ReadableFile {
  public:
    virtual ~ReadableFile() = default;
    // The size in bytes; nothing when it cannot be told.
    virtual std::optional<std::uint64_t> Size() = 0;
    // Reads up to length bytes from the current position; how many were read, 0 on failure or
    // at the end.
    virtual std::size_t Read(char* into, std::size_t length) = 0;
};

}  // namespace ui
