#include "ui/headless/headless_platform.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ui/headless/dialog_template.h"
#include "ui/headless/stdio_readable_file.h"
#include "ui/help_messages.h"
#include "ui/host_protocol.h"

namespace ui::headless {

namespace {

// Profile sections, keys and registry paths are case-insensitive on Windows.
std::string Folded(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
}

std::string ProfileKey(std::string_view section, std::string_view key) {
    return Folded(section) + '\n' + Folded(key);
}

}  // namespace

// The host's record of commands has room for a run's one command from the start: recording it is
// the host's business and must not fail in the tool's hand-back.
HeadlessPlatform::HeadlessPlatform(HeadlessUser& user) : user_(user) {
    posted_.reserve(4);
    SetCodePage(1252);
}

void HeadlessPlatform::SetCodePage(unsigned number) {
    const CodePageTable* table = FindCodePageTable(number);
    if (table == nullptr) {
        throw std::invalid_argument("no table of code page " + std::to_string(number));
    }
    codePage_ = std::make_unique<headless::AnsiCodePage>(*table);
}

void HeadlessPlatform::SetHost(bool present, bool hasLimitControl) {
    hostPresent_ = present;
    hostHasLimitControl_ = present && hasLimitControl;
    foreground_ = present ? kHostWindow : 0;
}

void HeadlessPlatform::SetProfileInt(const std::string& section, const std::string& key,
                                     int value) {
    profile_[ProfileKey(section, key)] = value;
}

void HeadlessPlatform::SetMachineRegistryDefault(const std::string& keyPath, std::string value) {
    registry_[Folded(keyPath)] = std::move(value);
}

void HeadlessPlatform::AddLoadableLibrary(const std::string& path) {
    loadableLibraries_.insert(Folded(path));
}

void HeadlessPlatform::CloseHost() {
    hostClosed_ = true;
    if (foreground_ == kHostWindow) {
        foreground_ = 0;
    }
}

WindowHandle HeadlessPlatform::ForegroundWindow() {
    return foreground_;
}

bool HeadlessPlatform::WindowExists(WindowHandle window) {
    return window == kHostWindow && hostPresent_ && !hostClosed_;
}

bool HeadlessPlatform::HasChildControl(WindowHandle window, int id) {
    return WindowExists(window) && hostHasLimitControl_ && id == kHostLimitControlId;
}

void HeadlessPlatform::EnableWindow(WindowHandle window, bool enable) {
    if (WindowExists(window)) {
        hostEnabled_ = enable;
    }
}

void HeadlessPlatform::SetForegroundWindow(WindowHandle window) {
    if (window != kHostWindow || WindowExists(window)) {
        foreground_ = window;
    }
}

void HeadlessPlatform::PostCommand(WindowHandle window, int commandId) {
    if (WindowExists(window)) {
        posted_.push_back({commandId, hostEnabled_});
    }
}

std::string HeadlessPlatform::FullPath(std::string_view path) {
    if (path.empty() || path.front() == '/') {
        return std::string(path);
    }
    const std::string directory =
        currentDirectory_.empty() ? std::filesystem::current_path().string() : currentDirectory_;
    return directory + '/' + std::string(path);
}

std::string HeadlessPlatform::LoadString(int id) {
    return FindStringResource(id);
}

std::optional<std::string> HeadlessPlatform::ChooseFileToOpen(const FileOpenRequest& request) {
    // The real dialog cannot be created for an owner that has gone, and reports that as Cancel.
    if (request.owner == kHostWindow && !WindowExists(request.owner)) {
        return std::nullopt;
    }
    std::optional<std::string> chosen = user_.OnFileOpen(request);
    // Without OFN_NOCHANGEDIR the dialog leaves the chosen file's folder current.
    if (chosen) {
        const std::string full = FullPath(*chosen);
        currentDirectory_ = std::filesystem::path(full).parent_path().string();
    }
    return chosen;
}

void HeadlessPlatform::OpenHelp(std::string_view helpFile, int contextId) {
    if (helpFilesInstalled_) {
        help_.push_back({std::string(helpFile), contextId});
        return;
    }
    WindowHandle requester = 0;
    if (backend_ != nullptr && !backend_->OpenDialogs().empty()) {
        requester = backend_->OpenDialogs().back()->handle;
    }
    user_.OnMessage({requester, MissingHelpFileMessage(helpFile), kHelpMessageCaption,
                     MessageIcon::Error, MessageButtons::Ok});
}

bool HeadlessPlatform::ReplaceFileContents(std::string_view path, std::string_view bytes) {
    // A relative path is taken against the current directory as it is now, as Windows does.
    const std::string target = FullPath(path);
    const auto moment = heldForAMoment_.find(target);
    if (heldForWriting_.contains(target) ||
        (moment != heldForAMoment_.end() && moment->second >= kReplacePatienceMilliseconds)) {
        return false;
    }
    const auto slash = target.rfind('/');
    if (slash == std::string::npos) {
        return false;
    }
    std::string temporary = target.substr(0, slash + 1) + ".faximport-XXXXXX";
    const int file = ::mkstemp(temporary.data());
    if (file < 0) {
        return false;
    }
    bool written = ::fchmod(file, 0644) == 0;
    while (written && !bytes.empty()) {
        const ssize_t done = ::write(file, bytes.data(), bytes.size());
        written = done > 0;
        bytes.remove_prefix(written ? static_cast<std::size_t>(done) : 0);
    }
    written = ::fsync(file) == 0 && written;
    if (::close(file) != 0 || !written || std::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

std::unique_ptr<ReadableFile> HeadlessPlatform::OpenFileToRead(std::string_view path) {
    const std::string file(path);
    if (heldForWriting_.contains(file) || heldForAMoment_.contains(file)) {
        return nullptr;
    }
    return OpenStdioFile(file);
}

int HeadlessPlatform::ReadProfileInt(std::string_view section, std::string_view key,
                                     int defaultValue) {
    const auto found = profile_.find(ProfileKey(section, key));
    return found == profile_.end() ? defaultValue : found->second;
}

std::optional<std::string> HeadlessPlatform::ReadMachineRegistryDefault(std::string_view keyPath) {
    const auto found = registry_.find(Folded(keyPath));
    if (found == registry_.end()) {
        return std::nullopt;
    }
    return found->second.substr(0, found->second.find('\0'));
}

bool HeadlessPlatform::CanLoadLibrary(std::string_view path) {
    return loadableLibraries_.contains(Folded(path));
}

void HeadlessPlatform::AppendAnsiText(std::u16string_view text, std::string& ansi) {
    codePage_->Append(text, ansi);
}

}  // namespace ui::headless
