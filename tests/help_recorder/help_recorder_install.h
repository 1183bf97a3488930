#pragma once

#include <string>
#include <vector>

#include "tests/scenario_library/help_calls.h"

namespace help_recorder {

// The recording help viewer's file name, in the build folder of each bitness.
inline constexpr char kRecorderLibrary[] = "faximport-test-hhctrl.dll";

// Installs the recording help viewer of each bitness as the hhctrl.ocx of that bitness's system
// folder (under Wine preferred over the builtin one) and points it at the ledger, emptied.
// Returns what failed, empty on success.
std::string InstallHelpRecorder(const std::string& ledger, const std::string& recorder64,
                                const std::string& recorder32);

// The topics the tool asked the help viewer for, in order.
std::vector<scenario::HelpCall> ReadHelpLedger(const std::string& ledger);

}  // namespace help_recorder
