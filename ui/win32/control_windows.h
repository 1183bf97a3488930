#pragma once

#include <array>
#include <cstddef>

#include "ui/win32/windows_api.h"

namespace ui {

// The window of a dialog's control by id, remembered. Under Wine GetDlgItem asks the server for
// the dialog's children on every call, some 50 microseconds, which a list filled or read item by
// item would pay per item.
class ControlWindows {
  public:
    // GetDlgItem's answer: nullptr when the dialog has no such control.
    HWND Find(HWND dialog, int id);

  private:
    struct Entry {
        HWND dialog = nullptr;
        int id = 0;
        HWND control = nullptr;
    };
    std::array<Entry, 8> entries_{};
    std::size_t next_ = 0;
};

}  // namespace ui
