#pragma once

#include <string>
#include <vector>

#include "recipients/entry_index.h"

namespace recipients {

// Ordered list of byte strings in the system's ANSI code page.
using TextList = std::vector<std::string>;

// The run's record of accepted recipients, filled by exactly one source.
struct RecipientCollection {
    int limit = 0;  // 50, or 0 for no limit
    int count = 0;
    TextList entries;
    // Speed-dial source only: per valid record, in record order (speedDialNumbers is refilled
    // with record indices by the speed-dial picker's OK).
    TextList speedDialNumbers;
    TextList secureFaxTexts;
    TextList relayFaxTexts;
    TextList fCodeTexts;
    TextList commModeTexts;
    // Finds an entry text among entries without reading them all; entries may only grow
    // between its questions, or be emptied.
    EntryIndex entryIndex;
};

}  // namespace recipients
