#include "tests/help_recorder/help_recorder_install.h"

#include <windows.h>

#include <sstream>

#include "tests/scenario_library/setup_files.h"

namespace help_recorder {

namespace {

std::string BesideThisProgram(const char* name) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program(path, length);
    return program.substr(0, program.find_last_of('\\') + 1) + name;
}

bool PreferInstalledViewer() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    static const char kNative[] = "native";
    const LSTATUS status = RegSetValueExA(key, "hhctrl.ocx", 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(kNative), sizeof kNative);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

}  // namespace

std::string InstallHelpRecorder(const std::string& ledger) {
    char system[MAX_PATH];
    const UINT length = GetSystemDirectoryA(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return "cannot find the system folder; ";
    const std::string target = std::string(system, length) + "\\hhctrl.ocx";
    if (!CopyFileA(BesideThisProgram("faximport-test-hhctrl.dll").c_str(), target.c_str(), FALSE))
        return "cannot copy the recording help viewer to " + target + "; ";
    if (!PreferInstalledViewer())
        return "cannot prefer the installed hhctrl.ocx; ";
    DeleteFileA(ledger.c_str());
    if (!SetEnvironmentVariableA("FAXIMPORT_HELP_LEDGER", ledger.c_str()))
        return "cannot tell the help viewer its ledger; ";
    return {};
}

std::vector<scenario::HelpCall> ReadHelpLedger(const std::string& ledger) {
    std::vector<scenario::HelpCall> calls;
    std::istringstream lines(scenario::ReadFileBytes(ledger).value_or(""));
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto tab = line.find('\t');
        if (tab == std::string::npos)
            continue;
        calls.push_back({line.substr(tab + 1), std::stoi(line.substr(0, tab))});
    }
    return calls;
}

}  // namespace help_recorder
