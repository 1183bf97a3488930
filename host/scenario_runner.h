#pragma once

#include <string>
#include <vector>

namespace host {

struct RunnerOptions {
    std::string tool;             // the tool's executable, its twin beside it
    std::string testLibraries32;  // the folder of the 32-bit build's test libraries
    std::string shotsDir;         // where a picture of every matched window goes; empty for none
    bool keepDirs = false;        // keep each scenario's working directory
};

// Runs every scenario file against the real tool and returns the exit code of the runner:
// 0 all passed, 1 a scenario failed, 2 a file could not be read or parsed.
int RunScenarioFiles(const std::vector<std::string>& files, const RunnerOptions& options);

}  // namespace host
