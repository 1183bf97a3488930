#include "tests/help_recorder/help_recorder_install.h"

#include <windows.h>

#include <sstream>

#include "tests/scenario_library/setup_files.h"

namespace help_recorder {

std::string InstallHelpRecorder(const std::string& ledger,
                                const providers::TestLibraryFolders& folders) {
    if (std::string problems =
            providers::InstallInSystemFolders(folders, "faximport-test-hhctrl.dll", "hhctrl.ocx");
        !problems.empty())
        return problems;
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
