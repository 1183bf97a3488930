#include <windows.h>

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "host/interactive.h"
#include "host/scenario_runner.h"

namespace {

std::string BesideHost(const char* name) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

int Usage() {
    std::cerr << "usage: faxhost [--tool PATH]\n"
                 "       faxhost --scenario [--tool PATH] [--test-libraries32 DIR] [--shots DIR] "
                 "[--keep]\n"
                 "               FILE...\n"
                 "       faxhost --demo FILE --shots DIR [--tool PATH]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    host::RunnerOptions options;
    options.tool = BesideHost("faximport.exe");
    bool scenarioMode = false;
    bool demo = false;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--scenario") {
            scenarioMode = true;
        } else if (argument == "--demo") {
            demo = true;
        } else if (argument == "--keep") {
            options.keepDirs = true;
        } else if (argument == "--tool" && hasValue) {
            options.tool = argv[++i];
        } else if (argument == "--test-libraries32" && hasValue) {
            options.testLibraries32 = argv[++i];
        } else if (argument == "--shots" && hasValue) {
            options.shotsDir = argv[++i];
        } else if (argument.rfind("--", 0) == 0) {
            return Usage();
        } else {
            files.push_back(argument);
        }
    }
    if (demo && (files.size() != 1 || options.shotsDir.empty()))
        return Usage();
    if (scenarioMode || demo) {
        if (files.empty())
            return Usage();
        if (!options.shotsDir.empty())
            CreateDirectoryA(options.shotsDir.c_str(), nullptr);
        return host::RunScenarioFiles(files, options);
    }
    if (!files.empty())
        return Usage();
    return host::RunInteractive(options.tool);
}
