#pragma once

#include <windows.h>

#include <string>
#include <thread>
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
    // Holds the file as Hold does until the given time after a file is first created in the
    // folder: a virus scanner that looks at the tool's new file keeps the old one for a moment.
    bool HoldForAMoment(const std::string& path, const std::string& folder, DWORD milliseconds);

  private:
    std::vector<HANDLE> handles_;
    HANDLE stop_ = nullptr;
    std::vector<std::thread> releases_;
};

}  // namespace host
