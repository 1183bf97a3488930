#include "ui/win32/registry_text.h"

namespace ui {
namespace {

std::optional<std::string> ExpandEnvironmentText(const std::string& text) {
    std::string expanded(text.size() + 1, '\0');
    for (;;) {
        const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), expanded.data(),
                                                       static_cast<DWORD>(expanded.size()));
        if (needed == 0) {
            return std::nullopt;
        }
        if (needed <= expanded.size()) {
            expanded.resize(needed - 1);
            return expanded;
        }
        expanded.resize(needed);
    }
}

std::optional<std::string> ReadValueText(HKEY key, const char* valueName) {
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &size);
    std::string data;
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        data.resize(size);
        status = RegQueryValueExA(key, valueName, nullptr, &type,
                                  reinterpret_cast<BYTE*>(data.data()), &size);
        if (status != ERROR_SUCCESS) {
            continue;
        }
        data.resize(size);
        data = data.substr(0, data.find('\0'));
        return type == REG_EXPAND_SZ ? ExpandEnvironmentText(data) : data;
    }
    return std::nullopt;
}

}  // namespace

REGSAM OwnRegistryView() {
    return sizeof(void*) == 8 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
}

REGSAM OtherRegistryView() {
    return sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

std::optional<std::string> ReadMachineString(std::string_view keyPath, std::string_view valueName,
                                             REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, std::string(keyPath).c_str(), 0, KEY_READ | view, &key) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::string name(valueName);
    std::optional<std::string> value = ReadValueText(key, name.empty() ? nullptr : name.c_str());
    RegCloseKey(key);
    return value;
}

}  // namespace ui
