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

const CodePage& Win32Platform::AnsiCodePage() {
    if (!codePage_) {
        CodePage& codePage = codePage_.emplace();
        codePage.number = GetACP();
        for (int byte = 0x80; byte < 0x100; ++byte) {
            codePage.leadBytes[byte] = IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE;
        }
        for (int i = 0; i < CodePage::kFullWidthSigns; ++i) {
            const wchar_t sign = static_cast<wchar_t>(CodePage::kFirstFullWidth + i);
            unsigned char form[2] = {};
            BOOL usedDefault = FALSE;
            const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &sign, 1,
                                                   reinterpret_cast<char*>(form), sizeof form,
                                                   nullptr, &usedDefault);
            if (length == 2 && !usedDefault) {
                codePage.fullWidthForms[i] = static_cast<std::uint16_t>(form[0] << 8 | form[1]);
            }
        }
    }
    return *codePage_;
}

namespace {

constexpr bool IsSplittingByte(char byte) {
    return byte == '\t' || byte == '\n' || byte == '\r' || byte == '"' || byte == ',' ||
           byte == ';';
}

// Every trail byte of the double-byte code pages is 0x40 or above, so a text whose conversion
// holds as many splitting bytes as it had splitting characters made none of its own.
std::size_t CountSplitting(std::u16string_view text) {
    return std::count_if(text.begin(), text.end(), [](char16_t unit) {
        return unit < 0x80 && IsSplittingByte(static_cast<char>(unit));
    });
}

void AppendConverted(const wchar_t* wide, int count, std::string& ansi) {
    const int length = WideCharToMultiByte(CP_ACP, 0, wide, count, nullptr, 0, nullptr, nullptr);
    if (length > 0) {
        const std::size_t start = ansi.size();
        ansi.resize(start + static_cast<std::size_t>(length));
        WideCharToMultiByte(CP_ACP, 0, wide, count, ansi.data() + start, length, nullptr, nullptr);
    }
}

// Character by character, each that best fit turned into a splitting byte made '?'.
void AppendWithoutMadeSplitting(std::u16string_view text, std::string& ansi) {
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    for (std::size_t i = 0; i < text.size();) {
        const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        const int units = pair ? 2 : 1;
        const std::size_t start = ansi.size();
        AppendConverted(wide + i, units, ansi);
        if (text[i] >= 0x80 && ansi.size() == start + 1 && IsSplittingByte(ansi.back())) {
            ansi.back() = '?';
        }
        i += static_cast<std::size_t>(units);
    }
}

}  // namespace

void Win32Platform::AppendAnsiText(std::u16string_view text, std::string& ansi) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    // Pieces that an int can count, never ending between the two units of a pair.
    constexpr std::size_t kMostUnits = 1 << 20;
    while (!text.empty()) {
        std::size_t units = std::min(text.size(), kMostUnits);
        if (units < text.size() && text[units - 1] >= 0xD800 && text[units - 1] <= 0xDBFF) {
            --units;
        }
        const std::u16string_view piece = text.substr(0, units);
        const std::size_t start = ansi.size();
        AppendConverted(reinterpret_cast<const wchar_t*>(piece.data()), static_cast<int>(units),
                        ansi);
        const auto made = std::count_if(ansi.begin() + static_cast<std::ptrdiff_t>(start),
                                        ansi.end(), IsSplittingByte);
        if (static_cast<std::size_t>(made) != CountSplitting(piece)) {
            ansi.resize(start);
            AppendWithoutMadeSplitting(piece, ansi);
        }
        text.remove_prefix(units);
    }
}

}  // namespace ui
