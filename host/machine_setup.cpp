#include "host/machine_setup.h"

#include <windows.h>

#include <cstring>

namespace host {

namespace {

constexpr char kWabPathKey[] = "Software\\Microsoft\\WAB\\DLLPath";
constexpr char kMailClientsKey[] = "Software\\Clients\\Mail";
constexpr char kTestMailClient[] = "Fax Test Mail";
constexpr char kWineOverridesKey[] = "Software\\Wine\\DllOverrides";

// Under Wine, an empty override keeps a library from loading at all, as if it were not
// installed; "native" lets only the file in the system folder load (the test stub, in place of
// the builtin); without one the builtin loads. Real Windows ignores this key.
bool SetLibraryOverride(const char* library, const char* value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kWineOverridesKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    LSTATUS status = ERROR_SUCCESS;
    if (value == nullptr) {
        status = RegDeleteValueA(key, library);
        if (status == ERROR_FILE_NOT_FOUND)
            status = ERROR_SUCCESS;
    } else {
        status = RegSetValueExA(key, library, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                static_cast<DWORD>(std::strlen(value) + 1));
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool SetMachineString(const std::string& keyPath, const char* valueName, const std::string& text,
                      DWORD type, REGSAM view) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LSTATUS status =
        RegSetValueExA(key, valueName, 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool DeleteMachineKey(const std::string& keyPath, REGSAM view) {
    const LSTATUS status = RegDeleteKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), view, 0);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool DeleteMachineValue(const char* keyPath, REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_SET_VALUE | view, &key) !=
        ERROR_SUCCESS) {
        return true;
    }
    const LSTATUS status = RegDeleteValueA(key, nullptr);
    RegCloseKey(key);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool SetWabPath(const std::string& library, bool expandable, REGSAM view) {
    if (library.empty()) {
        return DeleteMachineKey(kWabPathKey, view);
    }
    return SetMachineString(kWabPathKey, nullptr, library, expandable ? REG_EXPAND_SZ : REG_SZ,
                            view);
}

// The mail client's key and the default client, or neither.
bool SetMailClient(const std::string& library, REGSAM view) {
    const std::string clientKey = std::string(kMailClientsKey) + "\\" + kTestMailClient;
    if (library.empty()) {
        return DeleteMachineKey(clientKey, view) && DeleteMachineValue(kMailClientsKey, view);
    }
    return SetMachineString(kMailClientsKey, nullptr, kTestMailClient, REG_SZ, view) &&
           SetMachineString(clientKey, "DLLPathEx", library, REG_SZ, view);
}

}  // namespace

std::string ApplyMachineSetup(const scenario::Setup& setup,
                              const providers::RegisteredLibraries& libraries) {
    std::string problems;
    if (!WriteProfileStringA("Mail", "MAPIX", scenario::MapiConfigured(setup.mapi) ? "1" : "0")) {
        problems += "cannot write MAPIX to the profile; ";
    }
    if (!SetLibraryOverride("mapi32", scenario::MapiLoads(setup.mapi) ? "native" : ""))
        problems += "cannot set the mapi32 override; ";
    if (!SetLibraryOverride("wab32", setup.wabPresent ? nullptr : "native"))
        problems += "cannot set the wab32 override; ";
    // The recording help viewer stands in the system folders in place of the builtin one.
    if (!SetLibraryOverride("hhctrl.ocx", "native"))
        problems += "cannot set the hhctrl.ocx override; ";
    if (!SetWabPath(libraries.wab64, libraries.wabExpandable, KEY_WOW64_64KEY) ||
        !SetWabPath(libraries.wab32, libraries.wabExpandable, KEY_WOW64_32KEY))
        problems += "cannot set the WAB library path; ";
    if (!SetMailClient(libraries.mailClient, KEY_WOW64_64KEY) ||
        !SetMailClient(libraries.mailClient, KEY_WOW64_32KEY))
        problems += "cannot register the default mail client; ";
    return problems;
}

}  // namespace host
