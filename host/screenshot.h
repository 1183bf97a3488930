#pragma once

#include <windows.h>

#include <string>

namespace host {

// Saves what the screen shows of the window as a 24-bit BMP file; false when it cannot.
bool SaveWindowPicture(HWND window, const std::string& path);

}  // namespace host
