#pragma once

#include <string>
#include <string_view>

#include "app/source_readers.h"
#include "recipients/import_context.h"

namespace app {

// The caption of the run's own messages.
inline constexpr char kRunCaption[] = "Import Fax Recipient Data";

// One whole import, from taking the host window to handing it back with its command.
void ImportRun(recipients::ImportContext& context, SourceReaders& sources);
// A run whose sources could not even be set up for want of memory: the user is told, and the
// host window is taken and given back as in a whole run.
void ImportRunOutOfMemory(recipients::ImportContext& context);

// The result-file path: the command line's first word. A first word in double quotes is taken
// up to the closing quote, without the quotes, so that a path with blanks can be passed.
std::string ResultPathFromArguments(std::string_view arguments);
// The help file "faximport.chm" beside the executable.
std::string HelpFilePathBeside(std::string_view modulePath);

}  // namespace app
