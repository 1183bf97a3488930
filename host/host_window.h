#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "tests/scenario_library/window_state.h"

namespace host {

// The fax application's window as the tool sees it: a top-level window that may have the limit
// child control (the tool then accepts at most 50 recipients), that the tool disables, enables,
// raises and posts one of the host commands to. It lists the result file's records when told.
class HostWindow {
  public:
    HostWindow(bool limit, std::function<void()> onImport);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND handle() const { return window_; }
    // The user closes the host application's window while the tool runs.
    void Close();
    bool IsOpen() const { return IsWindow(window_) != FALSE; }
    void SetLimit(bool limit);
    // The file whose records are listed when the tool's command arrives.
    void SetResultPath(const std::string& path) { resultPath_ = path; }
    const scenario::HostLog& log() const { return log_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateChildren();
    void ShowRecords(int command);

    HWND window_ = nullptr;
    HWND limitCheck_ = nullptr;
    HWND limitControl_ = nullptr;
    HWND records_ = nullptr;
    std::function<void()> onImport_;
    std::string resultPath_;
    scenario::HostLog log_;
};

}  // namespace host
