#include "host/work_directory.h"

#include <windows.h>

namespace host {

std::string TempFolder() {
    char path[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, path);
    std::string folder(path, length);
    if (folder.find(' ') != std::string::npos) {
        char shortPath[MAX_PATH];
        const DWORD shortLength = GetShortPathNameA(folder.c_str(), shortPath, MAX_PATH);
        if (shortLength > 0 && shortLength < MAX_PATH)
            folder.assign(shortPath, shortLength);
    }
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    return folder;
}

void WorkDirectory::Create(bool keep) {
    keep_ = keep;
    static int counter = 0;
    const std::string base = TempFolder() + "faxscn-" + std::to_string(GetCurrentProcessId()) + "-";
    for (int attempt = 0; attempt < 100 && !ok_; ++attempt) {
        path_ = base + std::to_string(++counter) + "\\";
        ok_ = CreateDirectoryA(path_.c_str(), nullptr) != FALSE;
    }
}

WorkDirectory::~WorkDirectory() {
    if (!ok_ || keep_)
        return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                DeleteFileA((path_ + found.cFileName).c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path_.c_str());
}

}  // namespace host
