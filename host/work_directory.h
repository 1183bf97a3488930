#pragma once

#include <string>

namespace host {

// The temporary folder without blanks (its short form when it has any), with its trailing
// backslash: the tool takes its first argument up to the first blank.
std::string TempFolder();

// A fresh directory for one scenario under the temporary folder, written the way the tool takes
// its first argument: a path without blanks, with its trailing backslash. Removed at the end
// unless kept.
class WorkDirectory {
  public:
    WorkDirectory() = default;
    ~WorkDirectory();
    WorkDirectory(const WorkDirectory&) = delete;
    WorkDirectory& operator=(const WorkDirectory&) = delete;

    void Create(bool keep);
    bool ok() const { return ok_; }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
    bool ok_ = false;
    bool keep_ = false;
};

}  // namespace host
