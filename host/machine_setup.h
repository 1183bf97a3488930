#pragma once

#include <string>

#include "tests/scenario_library/scenario.h"

namespace host {

// Makes the machine answer the tool's probes as the setup says: the profile's "MAPIX" value, the
// WAB library path in the registry, and under Wine whether the builtin messaging and WAB
// libraries may load. wabLibrary is the library the registry names when the WAB is present.
// Returns what could not be set, empty on success.
std::string ApplyMachineSetup(const scenario::Setup& setup, const std::string& wabLibrary);

}  // namespace host
