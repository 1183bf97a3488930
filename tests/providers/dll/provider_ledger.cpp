#include "tests/providers/dll/provider_ledger.h"

#include <windows.h>

#include <cstdlib>
#include <set>

namespace providers {

namespace {

std::set<void*>& LiveBuffers() {
    static std::set<void*> buffers;
    return buffers;
}

}  // namespace

ProviderLedger& Ledger() {
    static ProviderLedger ledger;
    return ledger;
}

void* AllocateCounted(std::size_t size) {
    void* buffer = std::calloc(1, size == 0 ? 1 : size);
    if (buffer != nullptr) {
        LiveBuffers().insert(buffer);
        ++Ledger().liveBuffers;
    }
    return buffer;
}

bool FreeCounted(void* buffer) {
    if (LiveBuffers().erase(buffer) == 0) {
        ++Ledger().strayFrees;
        return false;
    }
    --Ledger().liveBuffers;
    std::free(buffer);
    return true;
}

void WriteLedger(const char* name) {
    char folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("FAXIMPORT_TEST_LEDGER", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    const std::string path = std::string(folder, length) + name + ".ledger";
    const ProviderLedger& ledger = Ledger();
    const std::string text = "buffers " + std::to_string(ledger.liveBuffers) + "\nreferences " +
                             std::to_string(ledger.liveReferences) + "\nstray-frees " +
                             std::to_string(ledger.strayFrees) + "\nrefused " + ledger.refused +
                             "\n";
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace providers
