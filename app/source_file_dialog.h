#pragma once

#include <optional>
#include <string>

#include "app/import_context.h"
#include "app/source_kind.h"

// Asks for the file of a file source; the chosen full path, or nothing when the user cancels or
// the kind has no file.
std::optional<std::string> ChooseSourceFile(ImportContext& context, SourceKind kind);
