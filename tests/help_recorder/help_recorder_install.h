#pragma once

#include <string>
#include <vector>

#include "tests/scenario_library/help_calls.h"

namespace help_recorder {

// Installs the recording help viewer as the system's hhctrl.ocx (under Wine preferred over the
// builtin one) and points it at the ledger, emptied. Returns what failed, empty on success.
std::string InstallHelpRecorder(const std::string& ledger);

// The topics the tool asked the help viewer for, in order.
std::vector<scenario::HelpCall> ReadHelpLedger(const std::string& ledger);

}  // namespace help_recorder
