#pragma once

#include <string>
#include <string_view>

#include "ui/win32/windows_api.h"

namespace ui {

// Keeps the current folder, and every folder the PATH names, out of the search for libraries
// that this process loads from now on.
void RestrictLibrarySearch();

// A library of the system folder of this program's bitness, by its full path.
HMODULE LoadSystemLibrary(std::string_view name);

// A library as a registry value names it: a full path is loaded from exactly there, its own
// dependencies found beside it; a bare name only from the program's and the system's folders.
// The system's "cannot find" box never comes up.
HMODULE LoadNamedLibrary(std::string_view path);

}  // namespace ui
