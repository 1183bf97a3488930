#pragma once

#include <string>

#include "tests/scenario_library/scenario.h"

namespace providers {

// What the registry names for the setup's libraries, by registry view.
struct RegisteredLibraries {
    std::string wab64, wab32;    // the WAB library, when the WAB is present
    bool wabExpandable = false;  // stored as REG_EXPAND_SZ, environment strings unexpanded
    std::string mailClient;      // the default mail client's library, when MAPI loads
};

// Where the test libraries of each bitness are: those of the 64-bit build beside the reference
// host, those of the 32-bit build in the folder given.
struct TestLibraryFolders {
    std::string bits32;

    std::string Path(int bits, const char* name) const;
};

// Copies the test library `built` of each bitness into the system folder of that bitness as
// `installed`, in place of the system's own. Returns what failed, empty on success.
std::string InstallInSystemFolders(const TestLibraryFolders& folders, const char* built,
                                   const char* installed);

// Installs the test libraries as the setup says: the messaging stub in both system folders (in
// place of Wine's builtin), the WAB library where an expandable registry path leads, the
// planted libraries of the tool's bitness in the scenario's directory; tells the test libraries
// which scenario they serve and where to leave their ledgers; and says what the registry must
// name. Returns what failed, empty on success.
std::string InstallTestProviders(const scenario::Setup& setup, const TestLibraryFolders& folders,
                                 int toolBits, const std::string& scenarioPath,
                                 const std::string& workDirectory, RegisteredLibraries& registered);

// What the test libraries still held when they were unloaded, gave back twice or refused, and
// whether a planted library was loaded; empty when all is well.
std::string ReadProviderLedgers(const std::string& workDirectory);

}  // namespace providers
