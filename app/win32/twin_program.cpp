#include "app/win32/twin_program.h"

#include <cstdlib>
#include <string>

#include "app/program_names.h"
#include "ui/win32/command_line.h"
#include "ui/win32/messaging_bitness.h"
#include "ui/win32/windows_api.h"

namespace app {
namespace {

// Set for the twin, so that it never hands the run back.
constexpr char kHandedOver[] = "FAXIMPORT_HANDED_OVER";

std::string TwinPath(const std::string& modulePath) {
    const auto slash = modulePath.find_last_of('\\');
    if (slash == std::string::npos) {
        return {};
    }
    return modulePath.substr(0, slash + 1) + (ui::kOwnBits == 64 ? k32BitProgram : k64BitProgram);
}

}  // namespace

std::optional<int> RunInTwin(const std::string& modulePath) {
    if (GetEnvironmentVariableA(kHandedOver, nullptr, 0) != 0) {
        return std::nullopt;
    }
    const int bits = ui::MessagingSystemBits();
    if (bits == 0 || bits == ui::kOwnBits) {
        return std::nullopt;
    }
    const std::string twin = TwinPath(modulePath);
    if (twin.empty() || GetFileAttributesA(twin.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    std::string commandLine =
        "\"" + twin + "\" " + std::string(ui::CommandLineAfterProgramName(GetCommandLineA()));
    SetEnvironmentVariableA(kHandedOver, "1");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(twin.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                        nullptr, nullptr, &startup, &process)) {
        SetEnvironmentVariableA(kHandedOver, nullptr);
        return std::nullopt;
    }
    // The host started this process and lets it bring its dialogs to the front; the twin shows
    // them now.
    AllowSetForegroundWindow(process.dwProcessId);
    ResumeThread(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = EXIT_FAILURE;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}

}  // namespace app
