#pragma once

#include <cstddef>
#include <string>

namespace providers {

// What one test library has handed out and not yet got back, and what it was given back that
// it never handed out. Written to the ledger file when the library is unloaded.
struct ProviderLedger {
    long liveBuffers = 0;
    long liveReferences = 0;
    long strayFrees = 0;
    std::string refused;  // calls refused for their arguments
};

ProviderLedger& Ledger();

// Counted buffers of this library's allocator; Free refuses (and counts) a foreign pointer.
void* AllocateCounted(std::size_t size);
bool FreeCounted(void* buffer);

// Writes "<name>.ledger" into the folder that FAXIMPORT_TEST_LEDGER names, if it names one.
void WriteLedger(const char* name);

}  // namespace providers
