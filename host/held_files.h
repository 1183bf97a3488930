#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace host {

// Files this process keeps open for writing while the tool runs, as another program would;
// closed when destroyed.
class HeldFiles {
  public:
    HeldFiles() = default;
    ~HeldFiles();
    HeldFiles(const HeldFiles&) = delete;
    HeldFiles& operator=(const HeldFiles&) = delete;

    // Opens an existing file with write access, sharing reading and writing; false when it
    // cannot be opened.
    bool Hold(const std::string& path);

  private:
    std::vector<HANDLE> handles_;
};

}  // namespace host
