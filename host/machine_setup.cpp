#include "host/machine_setup.h"

#include <windows.h>

namespace host {

namespace {

constexpr char kWabPathKey[] = "Software\\Microsoft\\WAB\\DLLPath";
constexpr char kWineOverridesKey[] = "Software\\Wine\\DllOverrides";

// An empty override keeps Wine from loading its builtin library, as if it were not installed;
// without one the builtin loads. Real Windows ignores this key.
bool SetLibraryLoadable(const char* library, bool loadable) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kWineOverridesKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    LSTATUS status = ERROR_SUCCESS;
    if (loadable) {
        status = RegDeleteValueA(key, library);
        if (status == ERROR_FILE_NOT_FOUND)
            status = ERROR_SUCCESS;
    } else {
        status = RegSetValueExA(key, library, 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool SetWabPath(bool present, const std::string& library) {
    if (!present) {
        const LSTATUS status = RegDeleteKeyA(HKEY_LOCAL_MACHINE, kWabPathKey);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kWabPathKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LSTATUS status =
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(library.c_str()),
                       static_cast<DWORD>(library.size() + 1));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

}  // namespace

std::string ApplyMachineSetup(const scenario::Setup& setup, const std::string& wabLibrary) {
    std::string problems;
    if (!WriteProfileStringA("Mail", "MAPIX", scenario::MapiConfigured(setup.mapi) ? "1" : "0")) {
        problems += "cannot write MAPIX to the profile; ";
    }
    if (!SetLibraryLoadable("mapi32", scenario::MapiLoads(setup.mapi)))
        problems += "cannot set the mapi32 override; ";
    if (!SetLibraryLoadable("wab32", setup.wabPresent))
        problems += "cannot set the wab32 override; ";
    if (!SetWabPath(setup.wabPresent, wabLibrary))
        problems += "cannot set the WAB library path; ";
    return problems;
}

}  // namespace host
