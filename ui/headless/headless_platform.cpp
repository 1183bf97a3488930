#include "ui/headless/headless_platform.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>

#include "ui/headless/code_page_1252.h"
#include "ui/headless/dialog_template.h"

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

WindowHandle HeadlessPlatform::ForegroundWindow() {
    return foreground_;
}

bool HeadlessPlatform::HasChildControl(WindowHandle window, int id) {
    return window == kHostWindow && hostHasLimitControl_ && id == 1008;
}

void HeadlessPlatform::EnableWindow(WindowHandle window, bool enable) {
    if (window == kHostWindow) {
        hostEnabled_ = enable;
    }
}

void HeadlessPlatform::SetForegroundWindow(WindowHandle window) {
    foreground_ = window;
}

void HeadlessPlatform::PostCommand(WindowHandle window, int commandId) {
    if (window == kHostWindow) {
        posted_.push_back({commandId, hostEnabled_});
    }
}

std::string HeadlessPlatform::LoadString(int id) {
    return FindStringResource(id);
}

std::optional<std::string> HeadlessPlatform::ChooseFileToOpen(const FileOpenRequest& request) {
    return user_.OnFileOpen(request);
}

void HeadlessPlatform::OpenHelp(std::string_view helpFile, int contextId) {
    help_.push_back({std::string(helpFile), contextId});
}

bool HeadlessPlatform::ReplaceFileContents(std::string_view path, std::string_view bytes) {
    const std::string target(path);
    const std::string temporary = target + ".partial";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
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
    AppendCodePage1252(text, ansi);
}

}  // namespace ui::headless
