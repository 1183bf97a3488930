#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace resource_script {

// The Win32 window, dialog and control style names, and the standard dialog ids, that a resource
// script may use, with the values the Windows headers give them.
std::optional<std::int64_t> FindWin32Constant(std::string_view name);

}  // namespace resource_script
