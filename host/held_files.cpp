#include "host/held_files.h"

namespace host {

HeldFiles::~HeldFiles() {
    for (HANDLE handle : handles_)
        CloseHandle(handle);
}

bool HeldFiles::Hold(const std::string& path) {
    const HANDLE handle =
        CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    handles_.push_back(handle);
    return true;
}

}  // namespace host
