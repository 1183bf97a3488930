#pragma once

#include <memory>
#include <string>

#include "ui/readable_file.h"

namespace ui::headless {

// A regular file opened with the C library; nullptr when it cannot be opened or is no regular
// file (a folder cannot be opened as a file on Windows).
std::unique_ptr<ReadableFile> OpenStdioFile(const std::string& path);

}  // namespace ui::headless
