#include "host/held_files.h"

namespace host {

namespace {

HANDLE OpenForWriting(const std::string& path) {
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

HeldFiles::~HeldFiles() {
    if (stop_ != nullptr)
        SetEvent(stop_);
    for (std::thread& release : releases_)
        release.join();
    if (stop_ != nullptr)
        CloseHandle(stop_);
    for (HANDLE handle : handles_)
        CloseHandle(handle);
}

bool HeldFiles::Hold(const std::string& path) {
    const HANDLE handle = OpenForWriting(path);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    handles_.push_back(handle);
    return true;
}

bool HeldFiles::HoldForAMoment(const std::string& path, const std::string& folder,
                               DWORD milliseconds) {
    if (stop_ == nullptr)
        stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    const HANDLE change =
        FindFirstChangeNotificationA(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    const HANDLE file = OpenForWriting(path);
    if (stop_ == nullptr || change == INVALID_HANDLE_VALUE || file == INVALID_HANDLE_VALUE) {
        if (change != INVALID_HANDLE_VALUE)
            FindCloseChangeNotification(change);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        return false;
    }
    releases_.emplace_back([stop = stop_, change, file, milliseconds] {
        const HANDLE events[] = {stop, change};
        if (WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1)
            WaitForSingleObject(stop, milliseconds);
        FindCloseChangeNotification(change);
        CloseHandle(file);
    });
    return true;
}

}  // namespace host
