#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace host {

// The tool's process as this host started it, in a job of its own: when the object goes, the
// tool and whatever it started (the help viewer, say) end with it.
class ToolProcess {
  public:
    ToolProcess() = default;
    ~ToolProcess();
    ToolProcess(const ToolProcess&) = delete;
    ToolProcess& operator=(const ToolProcess&) = delete;

    // Starts "tool" args in the working directory (empty: ours); false with the error in problem.
    bool Start(const std::string& tool, const std::string& args, const std::string& directory,
               std::string& problem);
    // The tool's process and those it started, such as its twin of the other bitness.
    std::vector<DWORD> ProcessIds() const;
    bool HasEnded() const;
    // Waits for the end while our own windows go on handling their messages.
    bool WaitForEnd(DWORD milliseconds) const;
    void Kill();

  private:
    PROCESS_INFORMATION info_{};
    HANDLE job_ = nullptr;
};

}  // namespace host
