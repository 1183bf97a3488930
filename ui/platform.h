#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ui/code_page.h"
#include "ui/readable_file.h"
#include "ui/window_handle.h"

namespace ui {

struct FileOpenRequest {
    WindowHandle owner = 0;
    std::string
        filters;  // (description, pattern) pairs, each NUL-terminated, ending in a double NUL
    std::string title;
    unsigned flags = 0;
};

// How long ReplaceFileContents waits for another program that holds the target open.
inline constexpr int kReplacePatienceMilliseconds = 2000;

// The services of the platform that a run needs beyond its own windows.
class Platform {
  public:
    virtual ~Platform() = default;

    virtual WindowHandle ForegroundWindow() = 0;
    // Whether the window is still there: a window of another process may go at any time.
    virtual bool WindowExists(WindowHandle window) = 0;
    virtual bool HasChildControl(WindowHandle window, int id) = 0;
    virtual void EnableWindow(WindowHandle window, bool enable) = 0;
    virtual void SetForegroundWindow(WindowHandle window) = 0;
    // WM_COMMAND with this id and lParam 0.
    virtual void PostCommand(WindowHandle window, int commandId) = 0;

    // The command-line text after the program's own name, leading white space skipped.
    virtual std::string CommandLineArguments() = 0;
    virtual std::string ModulePath() = 0;
    // The path made full against the current directory as it is now.
    virtual std::string FullPath(std::string_view path) = 0;
    virtual std::string LoadString(int id) = 0;
    // The chosen file's full path, or nothing when the user cancels.
    virtual std::optional<std::string> ChooseFileToOpen(const FileOpenRequest& request) = 0;
    // Shows the help file's topic of the context id over the active dialog; a help file or help
    // viewer that is not there is told in an error box that dialog owns (ui/help_messages.h).
    virtual void OpenHelp(std::string_view helpFile, int contextId) = 0;
    // Writes a file of a new name beside the target and puts it in the target's place only once
    // every byte is written, so that the target is never left half-written and no other file is
    // touched. Another program that holds the target open for a moment is waited for, up to
    // kReplacePatienceMilliseconds. False when that fails, with the new file gone again.
    virtual bool ReplaceFileContents(std::string_view path, std::string_view bytes) = 0;
    // Opens an existing regular file with read access, sharing it with readers only: nullptr
    // when it does not exist, is a folder, or another program holds it open for writing.
    virtual std::unique_ptr<ReadableFile> OpenFileToRead(std::string_view path) = 0;

    virtual int ReadProfileInt(std::string_view section, std::string_view key,
                               int defaultValue) = 0;
    // The default value of a key under HKEY_LOCAL_MACHINE, in the registry view of the tool's
    // own bitness, when the key and the value exist, up to its first NUL (a string value may or
    // may not carry its terminator in the data), its environment strings expanded when it is
    // stored as an expandable string.
    virtual std::optional<std::string> ReadMachineRegistryDefault(std::string_view keyPath) = 0;
    // Whether the library loads: a full path from exactly there, a bare name never from the
    // current folder.
    virtual bool CanLoadLibrary(std::string_view path) = 0;

    // The system's ANSI code page: its lead bytes and full-width signs.
    virtual const CodePage& AnsiCodePage() = 0;
    // Appends UTF-16 text converted to the ANSI code page: the platform's best fit where a
    // character has no exact form there, its substitute where it has none at all. A character
    // other than TAB, LF, CR, '"', ',' and ';' never becomes one of them (best fit would make
    // U+FF0C a comma): it becomes '?' instead, so that a file's fields stay where they are.
    virtual void AppendAnsiText(std::u16string_view text, std::string& ansi) = 0;
};

}  // namespace ui
