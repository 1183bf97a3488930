#include "tests/providers/install/provider_install.h"

#include <windows.h>

#include <sstream>

#include "tests/scenario_library/setup_files.h"

namespace providers {

namespace {

constexpr const char* kLedgers[] = {"mapi32", "wab32"};

std::string BesideThisProgram(const char* name) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program(path, length);
    return program.substr(0, program.find_last_of('\\') + 1) + name;
}

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') {
        folder += '\\';
    }
    return folder;
}

// Under Wine the file in the system folder must win over the builtin library of that name.
bool PreferInstalledMessagingLibrary() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    static const char kNative[] = "native";
    const LSTATUS status = RegSetValueExA(key, "mapi32", 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(kNative), sizeof kNative);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

std::string InstallMessagingLibrary() {
    char system[MAX_PATH];
    const UINT length = GetSystemDirectoryA(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return "cannot find the system folder; ";
    }
    const std::string target = WithSeparator(std::string(system, length)) + "mapi32.dll";
    if (!CopyFileA(BesideThisProgram("faximport-test-mapi32.dll").c_str(), target.c_str(), FALSE)) {
        return "cannot copy the test messaging library to " + target + "; ";
    }
    if (!PreferInstalledMessagingLibrary()) {
        return "cannot prefer the installed mapi32; ";
    }
    return {};
}

}  // namespace

std::string TestWabLibraryPath() {
    return BesideThisProgram("faximport-test-wab.dll");
}

std::string InstallTestProviders(const scenario::Setup& setup, const std::string& scenarioPath,
                                 const std::string& workDirectory) {
    std::string problems;
    if (scenario::MapiLoads(setup.mapi)) {
        problems += InstallMessagingLibrary();
    }
    char fullPath[MAX_PATH];
    const DWORD length = GetFullPathNameA(scenarioPath.c_str(), MAX_PATH, fullPath, nullptr);
    if (length == 0 || length >= MAX_PATH ||
        !SetEnvironmentVariableA("FAXIMPORT_TEST_SCENARIO", fullPath) ||
        !SetEnvironmentVariableA("FAXIMPORT_TEST_LEDGER", WithSeparator(workDirectory).c_str())) {
        problems += "cannot tell the test libraries their scenario; ";
    }
    for (const char* ledger : kLedgers) {
        DeleteFileA((WithSeparator(workDirectory) + ledger + ".ledger").c_str());
    }
    return problems;
}

std::string ReadProviderLedgers(const std::string& workDirectory) {
    std::string problems;
    for (const char* ledger : kLedgers) {
        const auto text =
            scenario::ReadFileBytes(WithSeparator(workDirectory) + ledger + ".ledger");
        if (!text) {
            continue;
        }
        std::istringstream lines(*text);
        std::string word;
        long buffers = 0, references = 0, strayFrees = 0;
        std::string refused;
        lines >> word >> buffers >> word >> references >> word >> strayFrees >> word;
        std::getline(lines, refused);
        if (buffers != 0 || references != 0 || strayFrees != 0 || refused.size() > 1) {
            problems += std::string(ledger) + ": " + std::to_string(buffers) + " buffers, " +
                        std::to_string(references) + " references left, " +
                        std::to_string(strayFrees) + " stray frees, refused:" + refused + "; ";
        }
    }
    return problems;
}

}  // namespace providers
