#pragma once

#include <memory>
#include <string>

#include "ui/readable_file.h"

namespace ui {

// Opens an existing file with read access and read sharing only: while it is open nobody may
// write it, and a file another program holds open for writing cannot be opened. nullptr when
// the file cannot be opened (a folder cannot).
std::unique_ptr<ReadableFile> OpenWin32FileToRead(const std::string& path);

}  // namespace ui
