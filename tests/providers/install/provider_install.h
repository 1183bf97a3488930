#pragma once

#include <string>

#include "tests/scenario_library/scenario.h"

namespace providers {

// The test WAB library beside the reference host, for the registry's WAB library path.
std::string TestWabLibraryPath();

// Installs the test messaging library where the tool loads "MAPI32.DLL" from (the system folder,
// in place of Wine's builtin) when the setup has one, and tells both test libraries which
// scenario they serve and where to leave their ledgers. Returns what failed, empty on success.
std::string InstallTestProviders(const scenario::Setup& setup, const std::string& scenarioPath,
                                 const std::string& workDirectory);

// What the test libraries still held when they were unloaded, gave back twice or refused;
// empty when all is well.
std::string ReadProviderLedgers(const std::string& workDirectory);

}  // namespace providers
