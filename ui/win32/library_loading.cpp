#include "ui/win32/library_loading.h"

namespace ui {
namespace {

bool IsFullPath(std::string_view path) {
    const bool drive = path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
    return drive || path.starts_with("\\\\");
}

// A loader without the search flags (a Windows 7 without its 2011 update) refuses them; there
// the older flag finds a full path's dependencies beside it.
HMODULE LoadQuietly(const std::string& path, DWORD searchFlags, DWORD olderFlags) {
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE library = LoadLibraryExA(path.c_str(), nullptr, searchFlags);
    if (library == nullptr && searchFlags != 0 && GetLastError() == ERROR_INVALID_PARAMETER) {
        library = LoadLibraryExA(path.c_str(), nullptr, olderFlags);
    }
    SetErrorMode(previousMode);
    return library;
}

}  // namespace

void RestrictLibrarySearch() {
    // Looked up rather than linked: a Windows 7 without its 2011 loader update lacks it; there
    // the current folder can still be taken out of the search.
    using SetDefaultDirectories = BOOL(WINAPI*)(DWORD);
    const auto setDefault = reinterpret_cast<SetDefaultDirectories>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("KERNEL32.DLL"), "SetDefaultDllDirectories")));
    if (setDefault == nullptr || !setDefault(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS)) {
        SetDllDirectoryA("");
    }
}

HMODULE LoadSystemLibrary(std::string_view name) {
    std::string folder(MAX_PATH, '\0');
    const UINT length = GetSystemDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
    if (length == 0 || length >= folder.size()) {
        return nullptr;
    }
    folder.resize(length);
    return LoadQuietly(folder + "\\" + std::string(name), 0, 0);
}

HMODULE LoadNamedLibrary(std::string_view path) {
    const std::string name(path);
    if (IsFullPath(path)) {
        return LoadQuietly(name,
                           LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS,
                           LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    return LoadQuietly(name, LOAD_LIBRARY_SEARCH_DEFAULT_DIRS, 0);
}

}  // namespace ui
