#include "tests/help_recorder/help_recorder_install.h"

#include <windows.h>

#include <sstream>

#include "tests/scenario_library/setup_files.h"

namespace help_recorder {

namespace {

std::string CopyRecorder(const std::string& from, const char* systemFolder, UINT length) {
    if (length == 0 || length >= MAX_PATH)
        return "cannot find the system folders; ";
    const std::string target = std::string(systemFolder, length) + "\\hhctrl.ocx";
    if (!CopyFileA(from.c_str(), target.c_str(), FALSE))
        return "cannot copy the recording help viewer to " + target + "; ";
    return {};
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

std::string InstallHelpRecorder(const std::string& ledger, const std::string& recorder64,
                                const std::string& recorder32) {
    char system[MAX_PATH];
    char system32Bit[MAX_PATH];
    std::string problems = CopyRecorder(recorder64, system, GetSystemDirectoryA(system, MAX_PATH));
    problems +=
        CopyRecorder(recorder32, system32Bit, GetSystemWow64DirectoryA(system32Bit, MAX_PATH));
    if (!problems.empty())
        return problems;
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
