#pragma once

#include <string>

#include "app/recipient_collection.h"
#include "app/source_kind.h"
#include "app/source_readers.h"

inline constexpr std::size_t kNameFaxRecordSize = 62;

// The result file's bytes: the count, then one record per accepted entry in collection order
// (62-byte name-and-fax records, or the speed-dial source's own records).
std::string BuildResultFile(RecipientCollection& collection, SourceKind kind,
                            SourceReaders& sources);
