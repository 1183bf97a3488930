#pragma once

#include <string>

#include "app/source_readers.h"
#include "recipients/recipient_collection.h"
#include "recipients/source_kind.h"

namespace app {

inline constexpr std::size_t kNameFaxRecordSize = 62;

// The result file's bytes: the count, then one record per accepted entry in collection order
// (62-byte name-and-fax records, or the speed-dial source's own records).
std::string BuildResultFile(recipients::RecipientCollection& collection,
                            recipients::SourceKind kind, SourceReaders& sources);

}  // namespace app
