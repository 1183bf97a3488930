#include "ui/win32/win32_platform.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "ui/win32/command_line.h"
#include "ui/win32/file_replacement.h"
#include "ui/win32/library_loading.h"
#include "ui/win32/owner_guard.h"
#include "ui/win32/registry_text.h"
#include "ui/win32/win32_readable_file.h"

namespace ui {
namespace {

// Longer than any path the file dialog can return without multiple selection.
constexpr std::size_t kFileDialogBufferSize = 32768;

}  // namespace

WindowHandle Win32Platform::ForegroundWindow() {
    return ToHandle(GetForegroundWindow());
}

bool Win32Platform::WindowExists(WindowHandle window) {
    return IsWindow(ToHwnd(window)) != FALSE;
}

bool Win32Platform::HasChildControl(WindowHandle window, int id) {
    return GetDlgItem(ToHwnd(window), id) != nullptr;
}

void Win32Platform::EnableWindow(WindowHandle window, bool enable) {
    ::EnableWindow(ToHwnd(window), enable ? TRUE : FALSE);
}

void Win32Platform::SetForegroundWindow(WindowHandle window) {
    ::SetForegroundWindow(ToHwnd(window));
}

void Win32Platform::PostCommand(WindowHandle window, int commandId) {
    PostMessageA(ToHwnd(window), WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

std::string Win32Platform::CommandLineArguments() {
    return std::string(CommandLineAfterProgramName(GetCommandLineA()));
}

std::string Win32Platform::ModulePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string Win32Platform::FullPath(std::string_view path) {
    return FullPathOf(path);
}

std::string Win32Platform::LoadString(int id) {
    std::string text(256, '\0');
    for (;;) {
        const int length =
            LoadStringA(module_, static_cast<UINT>(id), text.data(), static_cast<int>(text.size()));
        // A cut text fills the buffer up to its terminator, or one byte less when a
        // double-byte character did not fit.
        if (length + 2 < static_cast<int>(text.size())) {
            text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

std::optional<std::string> Win32Platform::ChooseFileToOpen(const FileOpenRequest& request) {
    const KeepOwnerDisabled ownerState(ToHwnd(request.owner));
    std::vector<char> file(kFileDialogBufferSize, '\0');
    for (;;) {
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof(dialog);
        dialog.hwndOwner = ToHwnd(request.owner);
        dialog.lpstrFilter = request.filters.empty() ? nullptr : request.filters.c_str();
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = static_cast<DWORD>(file.size());
        dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
        dialog.Flags = request.flags;
        if (GetOpenFileNameA(&dialog)) {
            return std::string(file.data());
        }
        if (CommDlgExtendedError() != FNERR_BUFFERTOOSMALL) {
            return std::nullopt;
        }
        // The dialog reports the size it needs in the buffer's first two bytes.
        WORD needed = 0;
        std::memcpy(&needed, file.data(), sizeof(needed));
        if (needed <= file.size()) {
            return std::nullopt;
        }
        file.assign(needed, '\0');
    }
}

void Win32Platform::OpenHelp(std::string_view helpFile, int contextId) {
    // The dialog asking for help is the active window.
    help_.ShowTopic(GetActiveWindow(), std::string(helpFile), contextId);
}

bool Win32Platform::ReplaceFileContents(std::string_view path, std::string_view bytes) {
    return ReplaceWholeFile(path, bytes);
}

std::unique_ptr<ReadableFile> Win32Platform::OpenFileToRead(std::string_view path) {
    return OpenWin32FileToRead(std::string(path));
}

int Win32Platform::ReadProfileInt(std::string_view section, std::string_view key,
                                  int defaultValue) {
    return static_cast<int>(
        GetProfileIntA(std::string(section).c_str(), std::string(key).c_str(), defaultValue));
}

std::optional<std::string> Win32Platform::ReadMachineRegistryDefault(std::string_view keyPath) {
    return ReadMachineString(keyPath, "", OwnRegistryView());
}

bool Win32Platform::CanLoadLibrary(std::string_view path) {
    HMODULE library = LoadNamedLibrary(path);
    if (library == nullptr) {
        return false;
    }
    FreeLibrary(library);
    return true;
}

void Win32Platform::AppendAnsiText(std::u16string_view text, std::string& ansi) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    // Pieces that an int can count, never ending between the two units of a pair.
    constexpr std::size_t kMostUnits = 1 << 20;
    while (!text.empty()) {
        std::size_t units = std::min(text.size(), kMostUnits);
        if (units < text.size() && text[units - 1] >= 0xD800 && text[units - 1] <= 0xDBFF) {
            --units;
        }
        const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
        const int count = static_cast<int>(units);
        const int length =
            WideCharToMultiByte(CP_ACP, 0, wide, count, nullptr, 0, nullptr, nullptr);
        if (length > 0) {
            const std::size_t start = ansi.size();
            ansi.resize(start + static_cast<std::size_t>(length));
            WideCharToMultiByte(CP_ACP, 0, wide, count, ansi.data() + start, length, nullptr,
                                nullptr);
        }
        text.remove_prefix(units);
    }
}

}  // namespace ui
