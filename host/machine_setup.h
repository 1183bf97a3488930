#pragma once

#include <string>

#include "tests/providers/install/provider_install.h"
#include "tests/scenario_library/scenario.h"

namespace host {

// Makes the machine answer the tool's probes as the setup says: the profile's "MAPIX" value, the
// WAB library path and the default mail client in both registry views, and under Wine whether
// the builtin messaging and WAB libraries may load. Returns what could not be set, empty on
// success.
std::string ApplyMachineSetup(const scenario::Setup& setup,
                              const providers::RegisteredLibraries& libraries);

}  // namespace host
