#include "host/work_directory.h"

#include <windows.h>

#include <filesystem>

namespace host {

std::string TempFolder() {
    // Asked for its size first: a path longer than the buffer is not written at all.
    const DWORD size = GetTempPathA(0, nullptr);
    std::string folder(size, '\0');
    const DWORD length = size == 0 ? 0 : GetTempPathA(size, folder.data());
    folder.resize(length < size ? length : 0);
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
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace host
