// The system's messaging library of the Windows scenarios, in each system folder: as Windows'
// stub does, it routes every call to the library that the default mail client names, read in
// the registry view of its own bitness. A library of the other bitness does not load: the stub
// alerts the user and the initialisation fails.
#include <string>

#include "tests/providers/dll/mapi_headers.h"

namespace {

constexpr char kMailClients[] = "Software\\Clients\\Mail";

HMODULE client = nullptr;
int initialized = 0;

std::string ReadString(const std::string& keyPath, const char* valueName) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return {};
    }
    char value[MAX_PATH] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    const LSTATUS status =
        RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_SZ ? std::string(value) : std::string();
}

HMODULE LoadDefaultClient() {
    const std::string name = ReadString(kMailClients, nullptr);
    if (!name.empty()) {
        const std::string key = std::string(kMailClients) + "\\" + name;
        std::string path = ReadString(key, "DLLPathEx");
        if (path.empty()) {
            path = ReadString(key, "DLLPath");
        }
        if (HMODULE library = path.empty() ? nullptr : LoadLibraryA(path.c_str())) {
            return library;
        }
    }
    MessageBoxA(nullptr,
                "Either there is no default mail client or the current mail client cannot fulfill "
                "the messaging request. Please run your mail program and set it as the default "
                "mail client.",
                "Mail", MB_OK | MB_ICONERROR);
    return nullptr;
}

template <typename Function>
Function Routed(const char* name) {
    return client == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(client, name)));
}

}  // namespace

extern "C" {

HRESULT WINAPI MAPIInitialize(void* initialization) {
    if (client == nullptr) {
        client = LoadDefaultClient();
    }
    const auto initialize = Routed<MAPIINITIALIZE*>("MAPIInitialize");
    if (initialize == nullptr) {
        return MAPI_E_NOT_INITIALIZED;
    }
    const HRESULT result = initialize(initialization);
    if (SUCCEEDED(result)) {
        ++initialized;
    }
    return result;
}

void WINAPI MAPIUninitialize() {
    if (const auto uninitialize = Routed<MAPIUNINITIALIZE*>("MAPIUninitialize")) {
        uninitialize();
    }
    if (--initialized == 0 && client != nullptr) {
        FreeLibrary(client);
        client = nullptr;
    }
}

HRESULT WINAPI MAPILogonEx(ULONG_PTR window, char* profile, char* password, ULONG flags,
                           IMAPISession** session) {
    const auto logon = Routed<MAPILOGONEX*>("MAPILogonEx");
    if (logon == nullptr) {
        *session = nullptr;
        return MAPI_E_NOT_INITIALIZED;
    }
    return logon(window, profile, password, flags, session);
}

SCODE WINAPI MAPIAllocateBuffer(ULONG size, void** buffer) {
    const auto allocate = Routed<MAPIALLOCATEBUFFER*>("MAPIAllocateBuffer");
    if (allocate == nullptr) {
        *buffer = nullptr;
        return MAPI_E_NOT_INITIALIZED;
    }
    return allocate(size, buffer);
}

ULONG WINAPI MAPIFreeBuffer(void* buffer) {
    const auto free = Routed<MAPIFREEBUFFER*>("MAPIFreeBuffer");
    return free == nullptr ? MAPI_E_NOT_INITIALIZED : free(buffer);
}

}  // extern "C"
