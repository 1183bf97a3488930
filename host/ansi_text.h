#pragma once

#include <windows.h>

#include <string>

namespace host {

// Texts cross the process boundary as UTF-16 (the ANSI messages lose all but the first
// character there) and are compared as the tool's ANSI bytes.
std::string ToAnsi(const std::wstring& text);
std::wstring ToWide(const std::string& text);

// The text of a window of any process: what an edit or combo box holds, else its stored text.
std::string WindowText(HWND window);
// Upper-cased ASCII class name: "BUTTON", "EDIT", "LISTBOX", "COMBOBOX", "STATIC", "#32770".
std::string ClassName(HWND window);

}  // namespace host
