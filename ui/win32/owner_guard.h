#pragma once

#include "ui/win32/windows_api.h"

namespace ui {

// A modal window enables its owner when it closes, whatever state the owner had before
// (EndDialog does so unconditionally). The host window is disabled for the whole run and is
// the owner of the file dialog and of the run's message boxes: it must stay disabled.
class KeepOwnerDisabled {
  public:
    explicit KeepOwnerDisabled(HWND owner)
        : owner_(owner), wasDisabled_(owner != nullptr && !IsWindowEnabled(owner)) {}
    ~KeepOwnerDisabled() {
        if (wasDisabled_) {
            EnableWindow(owner_, FALSE);
        }
    }
    KeepOwnerDisabled(const KeepOwnerDisabled&) = delete;
    KeepOwnerDisabled& operator=(const KeepOwnerDisabled&) = delete;

  private:
    HWND owner_;
    bool wasDisabled_;
};

}  // namespace ui
