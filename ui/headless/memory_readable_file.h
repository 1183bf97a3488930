#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "ui/readable_file.h"

namespace ui::headless {

// A file whose bytes are held in memory, read at most readLimit bytes a request, as a file may
// answer short requests.
std::unique_ptr<ReadableFile> OpenMemoryFile(std::string_view bytes,
                                             std::size_t readLimit = static_cast<std::size_t>(-1));

}  // namespace ui::headless
