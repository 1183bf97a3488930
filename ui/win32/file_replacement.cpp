#include "ui/win32/file_replacement.h"

#include <algorithm>
#include <cwchar>

#include "ui/platform.h"
#include "ui/win32/windows_api.h"

namespace ui {

namespace {

std::wstring WideFromAnsi(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string AnsiFromWide(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(std::max(length, 0)), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), ansi.data(), length,
                        nullptr, nullptr);
    return ansi;
}

std::wstring FullWidePath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return {};
    }
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    full.resize(length < size ? length : 0);
    return full;
}

// "\\?\" lifts the MAX_PATH limit of the file functions for a full path; "\\server\share"
// becomes "\\?\UNC\server\share".
std::wstring ExtendedLengthPath(const std::wstring& fullPath) {
    if (fullPath.rfind(L"\\\\?\\", 0) == 0) {
        return fullPath;
    }
    if (fullPath.rfind(L"\\\\", 0) == 0) {
        return L"\\\\?\\UNC\\" + fullPath.substr(2);
    }
    return L"\\\\?\\" + fullPath;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD done = 0;
        if (!WriteFile(file, bytes.data(), chunk, &done, nullptr) || done != chunk) {
            return false;
        }
        bytes.remove_prefix(done);
    }
    return FlushFileBuffers(file) != FALSE;
}

// Creates a file of a new name in the folder (which ends with its separator); CREATE_NEW never
// opens a file that is already there.
HANDLE CreateUniqueFile(const std::wstring& folder, std::wstring& created) {
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        wchar_t name[40];
        std::swprintf(name, sizeof name / sizeof name[0], L"~fax%08lx%04x.tmp",
                      static_cast<unsigned long>(GetCurrentProcessId()), ++serial & 0xFFFFu);
        created = folder + name;
        HANDLE file = CreateFileW(created.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            return file;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            return INVALID_HANDLE_VALUE;
        }
    }
    return INVALID_HANDLE_VALUE;
}

// What a virus scanner, the search indexer or a sync client causes while it has one of the two
// files open for a moment. ReplaceFile leaves both files as they were when it cannot remove the
// old one; when it removed the old one but could not move the new one, the next try moves it.
bool IsWorthAnotherTry(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_LOCK_VIOLATION || error == ERROR_UNABLE_TO_REMOVE_REPLACED ||
           error == ERROR_UNABLE_TO_MOVE_REPLACEMENT || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2;
}

// ReplaceFile keeps the old file's attributes and security; with no old file there is nothing
// to keep, and a move puts the new one in place.
bool PutInPlace(const std::wstring& temporary, const std::wstring& target) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    // A folder of that name is no result file to replace (Wine's ReplaceFile takes it).
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        SetLastError(ERROR_DIRECTORY);
        return false;
    }
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        return ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                            REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE;
    }
    return MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool PutInPlaceWithRetries(const std::wstring& temporary, const std::wstring& target) {
    constexpr DWORD kPause = 50;
    const ULONGLONG start = GetTickCount64();
    while (!PutInPlace(temporary, target)) {
        if (!IsWorthAnotherTry(GetLastError()) ||
            GetTickCount64() - start >= kReplacePatienceMilliseconds) {
            return false;
        }
        Sleep(kPause);
    }
    return true;
}

}  // namespace

std::string FullPathOf(std::string_view path) {
    return AnsiFromWide(FullWidePath(WideFromAnsi(path)));
}

bool ReplaceWholeFile(std::string_view path, std::string_view bytes) {
    const std::wstring full = FullWidePath(WideFromAnsi(path));
    const auto slash = full.find_last_of(L'\\');
    if (full.empty() || slash == std::wstring::npos || slash + 1 == full.size()) {
        return false;
    }
    const std::wstring target = ExtendedLengthPath(full);
    const std::wstring folder = target.substr(0, target.find_last_of(L'\\') + 1);
    std::wstring temporary;
    HANDLE file = CreateUniqueFile(folder, temporary);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = WriteAll(file, bytes);
    const bool closed = CloseHandle(file) != FALSE;
    if (!written || !closed || !PutInPlaceWithRetries(temporary, target)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace ui
