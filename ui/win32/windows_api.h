#pragma once

// The Win32 headers for the backend. <windows.h> defines LoadString as a macro, which would
// rename ui::Platform::LoadString in every file that sees both; the backend calls the ANSI
// function by its own name instead.
#include <windows.h>

#include <cderr.h>
#include <commctrl.h>
#include <commdlg.h>

#undef LoadString

#include "ui/window_handle.h"

namespace ui {

inline HWND ToHwnd(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}
inline WindowHandle ToHandle(HWND hwnd) {
    return reinterpret_cast<WindowHandle>(hwnd);
}

}  // namespace ui
