#pragma once

#include <string>
#include <vector>

#include "tests/providers/install/provider_install.h"
#include "tests/scenario_library/help_calls.h"

namespace help_recorder {

// Installs the recording help viewer of each bitness as the hhctrl.ocx of that bitness's system
// folder (the machine setup has Wine prefer it over the builtin one) and points it at the ledger,
// emptied.
// Returns what failed, empty on success.
std::string InstallHelpRecorder(const std::string& ledger,
                                const providers::TestLibraryFolders& folders);

// The topics the tool asked the help viewer for, in order.
std::vector<scenario::HelpCall> ReadHelpLedger(const std::string& ledger);

}  // namespace help_recorder
