#pragma once

#include <windows.h>

#include <string>

namespace host {

// The icon of a message box: "error", "warning", "question", "info" or "none". Icon handles are
// per process, so the icon is told by its pixels on the screen against the standard icons drawn
// here on the same background.
std::string MessageIcon(HWND messageBox);

}  // namespace host
