#pragma once

#include <optional>
#include <string>

#include "recipients/import_context.h"
#include "recipients/source_kind.h"

namespace app {

// Asks for the file of a file source; the chosen full path, or nothing when the user cancels or
// the kind has no file.
std::optional<std::string> ChooseSourceFile(recipients::ImportContext& context,
                                            recipients::SourceKind kind);

}  // namespace app
