#pragma once

#include "ui/platform.h"
#include "ui/win32/html_help.h"
#include "ui/win32/windows_api.h"

namespace ui {

// The platform services of a run on KERNEL32, USER32, COMDLG32 and ADVAPI32.
class Win32Platform : public Platform {
  public:
    // Strings are loaded from this module's resources.
    explicit Win32Platform(HINSTANCE module) : module_(module) {}

    WindowHandle ForegroundWindow() override;
    bool WindowExists(WindowHandle window) override;
    bool HasChildControl(WindowHandle window, int id) override;
    void EnableWindow(WindowHandle window, bool enable) override;
    void SetForegroundWindow(WindowHandle window) override;
    void PostCommand(WindowHandle window, int commandId) override;

    std::string CommandLineArguments() override;
    std::string ModulePath() override;
    std::string FullPath(std::string_view path) override;
    std::string LoadString(int id) override;
    std::optional<std::string> ChooseFileToOpen(const FileOpenRequest& request) override;
    void OpenHelp(std::string_view helpFile, int contextId) override;
    bool ReplaceFileContents(std::string_view path, std::string_view bytes) override;
    std::unique_ptr<ReadableFile> OpenFileToRead(std::string_view path) override;

    int ReadProfileInt(std::string_view section, std::string_view key, int defaultValue) override;
    std::optional<std::string> ReadMachineRegistryDefault(std::string_view keyPath) override;
    bool CanLoadLibrary(std::string_view path) override;
    const CodePage& AnsiCodePage() override;
    void AppendAnsiText(std::u16string_view text, std::string& ansi) override;

  private:
    HINSTANCE module_;
    HtmlHelpViewer help_;
    std::optional<CodePage> codePage_;
};

}  // namespace ui
