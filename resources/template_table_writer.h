#pragma once

#include <string>
#include <string_view>

#include "resources/rc_script_parser.h"

namespace resource_script {

// The C++ source that defines ui::headless::FindDialogTemplate and FindStringResource over the
// script's dialogs and strings.
std::string WriteTemplateTable(const ResourceScript& script, std::string_view scriptName);

}  // namespace resource_script
