#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/headless/dialog_template.h"

namespace resource_script {

// What the tool's resource script declares that the in-memory backend needs: the dialog templates
// and the string table. The manifest and version resources are read over and left out.
struct ResourceScript {
    std::vector<ui::headless::DialogTemplate> dialogs;
    std::map<int, std::string> strings;
};

// Names defined by the header the script includes, such as IDD_CONFIRMATION.
using SymbolTable = std::map<std::string, std::int64_t, std::less<>>;

// A construct the reader does not understand, reported as "file:line: error: message".
class ScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads the #define lines of a header the way the resource compiler sees it: the part guarded by
// "#ifndef RC_INVOKED" is skipped, everything else must be a comment, "#pragma once" or a define
// of an integer.
SymbolTable ReadHeaderDefines(std::string_view text, std::string_view fileName);

// Reads a resource script with the semantics of the resource compiler (windres) for the
// statements it supports; throws ScriptError on anything else.
ResourceScript ParseResourceScript(std::string_view text, std::string_view fileName,
                                   const SymbolTable& symbols);

}  // namespace resource_script
