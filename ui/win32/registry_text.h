#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/win32/windows_api.h"

namespace ui {

// The registry view of this program's own bitness, and of the other one.
REGSAM OwnRegistryView();
REGSAM OtherRegistryView();

// A value under HKEY_LOCAL_MACHINE as text, up to its first NUL, as Windows means it: a value of
// type REG_EXPAND_SZ with its environment strings expanded; the data of any other type as it is.
// An empty value name reads the key's default value. Nothing when the key or the value is
// missing.
std::optional<std::string> ReadMachineString(std::string_view keyPath, std::string_view valueName,
                                             REGSAM view);

}  // namespace ui
