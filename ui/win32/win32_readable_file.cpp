#include "ui/win32/win32_readable_file.h"

#include <algorithm>

#include "ui/win32/windows_api.h"

namespace ui {

namespace {

class Win32ReadableFile : public ReadableFile {
  public:
    explicit Win32ReadableFile(HANDLE file) : file_(file) {}
    ~Win32ReadableFile() override { CloseHandle(file_); }
    Win32ReadableFile(const Win32ReadableFile&) = delete;
    Win32ReadableFile& operator=(const Win32ReadableFile&) = delete;

    std::optional<std::uint64_t> Size() override {
        LARGE_INTEGER size;
        if (!GetFileSizeEx(file_, &size) || size.QuadPart < 0) {
            return std::nullopt;
        }
        return static_cast<std::uint64_t>(size.QuadPart);
    }

    // One request of the caller may take several ReadFile calls: each reads at most 4 GB.
    std::size_t Read(char* into, std::size_t length) override {
        std::size_t total = 0;
        while (total < length) {
            const DWORD wanted =
                static_cast<DWORD>(std::min<std::size_t>(length - total, static_cast<DWORD>(-1)));
            DWORD read = 0;
            if (!ReadFile(file_, into + total, wanted, &read, nullptr) || read == 0) {
                break;
            }
            total += read;
        }
        return total;
    }

  private:
    HANDLE file_;
};

}  // namespace

std::unique_ptr<ReadableFile> OpenWin32FileToRead(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return std::make_unique<Win32ReadableFile>(file);
}

}  // namespace ui
