#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/headless/headless_backend.h"
#include "ui/headless/ansi_code_page.h"
#include "ui/headless/headless_user.h"
#include "ui/platform.h"

namespace ui::headless {

// The machine and the host application around an in-memory run, set up by a test or a scenario
// and watched afterwards.
class HeadlessPlatform : public Platform {
  public:
    static constexpr WindowHandle kHostWindow = 0x40000000;

    struct PostedCommand {
        int id = 0;
        bool hostWasEnabled = false;
    };
    struct HelpRequest {
        std::string file;
        int contextId = 0;
    };

    explicit HeadlessPlatform(HeadlessUser& user);

    // Set-up.
    void SetHost(bool present, bool hasLimitControl);
    void SetCommandLine(std::string arguments) { arguments_ = std::move(arguments); }
    void SetModulePath(std::string path) { modulePath_ = std::move(path); }
    void SetProfileInt(const std::string& section, const std::string& key, int value);
    // The value's data as stored, with or without its terminator.
    void SetMachineRegistryDefault(const std::string& keyPath, std::string value);
    void AddLoadableLibrary(const std::string& path);
    // The screen whose innermost dialog owns the platform's own messages.
    void AttachBackend(HeadlessBackend& backend) { backend_ = &backend; }
    // No help file is installed: Help says so instead of opening one.
    void RemoveHelpFiles() { helpFilesInstalled_ = false; }
    // The system's ANSI code page, one that FindCodePageTable knows; 1252 until set.
    void SetCodePage(unsigned number);
    // The host window goes away, as when the user closes the host application.
    void CloseHost();
    // Another program keeps the file open for writing: OpenFileToRead refuses it.
    void HoldOpenForWriting(const std::string& path) { heldForWriting_.insert(path); }
    // Another program holds the file open for writing until this long after the tool begins to
    // write a file: ReplaceFileContents waits for it when it lets go in time.
    void HoldForAMoment(const std::string& path, int milliseconds) {
        heldForAMoment_[path] = milliseconds;
    }

    // What the host saw.
    bool HostClosed() const { return hostClosed_; }
    bool HostEnabled() const { return hostEnabled_; }
    bool HostInForeground() const { return hostPresent_ && foreground_ == kHostWindow; }
    const std::vector<PostedCommand>& PostedCommands() const { return posted_; }
    const std::vector<HelpRequest>& HelpRequests() const { return help_; }

    WindowHandle ForegroundWindow() override;
    bool WindowExists(WindowHandle window) override;
    bool HasChildControl(WindowHandle window, int id) override;
    void EnableWindow(WindowHandle window, bool enable) override;
    void SetForegroundWindow(WindowHandle window) override;
    void PostCommand(WindowHandle window, int commandId) override;
    std::string CommandLineArguments() override { return arguments_; }
    std::string ModulePath() override { return modulePath_; }
    std::string FullPath(std::string_view path) override;
    std::string LoadString(int id) override;
    std::optional<std::string> ChooseFileToOpen(const FileOpenRequest& request) override;
    void OpenHelp(std::string_view helpFile, int contextId) override;
    bool ReplaceFileContents(std::string_view path, std::string_view bytes) override;
    std::unique_ptr<ReadableFile> OpenFileToRead(std::string_view path) override;
    int ReadProfileInt(std::string_view section, std::string_view key, int defaultValue) override;
    std::optional<std::string> ReadMachineRegistryDefault(std::string_view keyPath) override;
    bool CanLoadLibrary(std::string_view path) override;
    const CodePage& AnsiCodePage() override { return codePage_->Description(); }
    // As Windows and Wine convert text to the code page.
    void AppendAnsiText(std::u16string_view text, std::string& ansi) override;

  private:
    HeadlessUser& user_;
    HeadlessBackend* backend_ = nullptr;
    bool helpFilesInstalled_ = true;
    std::unique_ptr<headless::AnsiCodePage> codePage_;
    bool hostPresent_ = true;
    bool hostHasLimitControl_ = false;
    bool hostEnabled_ = true;
    bool hostClosed_ = false;
    // The process's current directory, which the file-open dialog changes as the real one does;
    // empty until then.
    std::string currentDirectory_;
    WindowHandle foreground_ = kHostWindow;
    std::string arguments_;
    std::string modulePath_ = "C:\\Program Files\\FaxImport\\faximport.exe";
    std::map<std::string, int> profile_;
    std::map<std::string, std::string> registry_;
    std::set<std::string> loadableLibraries_;
    std::set<std::string> heldForWriting_;
    std::map<std::string, int> heldForAMoment_;
    std::vector<PostedCommand> posted_;
    std::vector<HelpRequest> help_;
};

}  // namespace ui::headless
