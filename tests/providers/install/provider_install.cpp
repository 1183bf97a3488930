#include "tests/providers/install/provider_install.h"

#include <windows.h>

#include <sstream>

#include "tests/scenario_library/setup_files.h"

namespace providers {

namespace {

constexpr const char* kLedgers[] = {"mapi32", "wab32"};
constexpr char kPlantedMark[] = "planted.loaded";
constexpr char kMessagingProvider[] = "faximport-test-mapi32.dll";
constexpr char kMessagingStub[] = "faximport-test-mapi-stub.dll";
constexpr char kWabLibrary[] = "faximport-test-wab.dll";
constexpr char kPlantedLibrary[] = "faximport-test-planted.dll";
// Where Windows keeps its WAB library, below each bitness's common program files folder.
constexpr char kExpandableWabPath[] = "%CommonProgramFiles%\\System\\faximport-test-wab.dll";

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') {
        folder += '\\';
    }
    return folder;
}

std::string BesideThisProgram(const char* name) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program(path, length);
    return program.substr(0, program.find_last_of('\\') + 1) + name;
}

std::string EnvironmentFolder(const char* name) {
    char folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA(name, folder, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? std::string() : std::string(folder, length);
}

std::string Copy(const std::string& from, const std::string& to) {
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
        return "cannot copy " + from + " to " + to + "; ";
    }
    return {};
}

// Each bitness's WAB library in its own common program files folder, which the one expandable
// path names for either.
std::string InstallExpandableWab(const TestLibraryFolders& folders) {
    std::string problems;
    for (const auto& [bits, variable] :
         {std::pair{64, "CommonProgramW6432"}, std::pair{32, "CommonProgramFiles(x86)"}}) {
        const std::string common = EnvironmentFolder(variable);
        if (common.empty()) {
            problems += std::string("cannot find %") + variable + "%; ";
            continue;
        }
        const std::string folder = WithSeparator(common) + "System";
        CreateDirectoryA(folder.c_str(), nullptr);
        problems += Copy(folders.Path(bits, kWabLibrary), folder + "\\" + kWabLibrary);
    }
    return problems;
}

}  // namespace

std::string InstallInSystemFolders(const TestLibraryFolders& folders, const char* built,
                                   const char* installed) {
    char system[MAX_PATH];
    char system32Bit[MAX_PATH];
    const UINT length = GetSystemDirectoryA(system, MAX_PATH);
    const UINT length32 = GetSystemWow64DirectoryA(system32Bit, MAX_PATH);
    if (length == 0 || length >= MAX_PATH || length32 == 0 || length32 >= MAX_PATH) {
        return "cannot find the system folders; ";
    }
    return Copy(folders.Path(64, built), WithSeparator(std::string(system, length)) + installed) +
           Copy(folders.Path(32, built),
                WithSeparator(std::string(system32Bit, length32)) + installed);
}

std::string TestLibraryFolders::Path(int bits, const char* name) const {
    return bits == 32 ? WithSeparator(bits32) + name : BesideThisProgram(name);
}

std::string InstallTestProviders(const scenario::Setup& setup, const TestLibraryFolders& folders,
                                 int toolBits, const std::string& scenarioPath,
                                 const std::string& workDirectory,
                                 RegisteredLibraries& registered) {
    std::string problems;
    registered = {};
    if (scenario::MapiLoads(setup.mapi)) {
        problems += InstallInSystemFolders(folders, kMessagingStub, "mapi32.dll");
        registered.mailClient = folders.Path(setup.mapiBits, kMessagingProvider);
    }
    if (setup.wabPresent && setup.wabPathExpandable) {
        problems += InstallExpandableWab(folders);
        registered.wab64 = registered.wab32 = kExpandableWabPath;
        registered.wabExpandable = true;
    } else if (setup.wabPresent) {
        registered.wab64 = folders.Path(64, kWabLibrary);
        registered.wab32 = folders.Path(32, kWabLibrary);
    }
    for (const std::string& planted : setup.plantedLibraries) {
        problems += Copy(folders.Path(toolBits, kPlantedLibrary),
                         scenario::PathInDir(planted, WithSeparator(workDirectory)));
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
    DeleteFileA((WithSeparator(workDirectory) + kPlantedMark).c_str());
    return problems;
}

std::string ReadProviderLedgers(const std::string& workDirectory) {
    std::string problems;
    if (GetFileAttributesA((WithSeparator(workDirectory) + kPlantedMark).c_str()) !=
        INVALID_FILE_ATTRIBUTES) {
        problems += "a planted library was loaded; ";
    }
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
