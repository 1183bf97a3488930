#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "csv/csv_candidates.h"
#include "recipients/recipient_collection.h"

namespace contactfile {

struct ColumnMapping {
    int nameColumn = -1;  // -1: no name
    int faxColumn = -1;
};

// The two questions the CSV reader asks the user, kept apart so that the reader runs without
// windows in tests.
class ContactFileDialogs {
  public:
    virtual ~ContactFileDialogs() = default;
    // The user's columns, or nothing when the mapping is cancelled. After OK the fax column is
    // always a field of the header.
    virtual std::optional<ColumnMapping> MapFields(std::string_view path,
                                                   std::span<char* const> headerFields) = 0;
    // The collection's count holds the number of candidates on entry. Returns ui::kIdOk with the
    // picked entries appended and counted, or ui::kIdCancel with count 0 and no entries.
    virtual int PickRecipients(std::string_view path,
                               std::span<const recipients::ContactCandidate> candidates,
                               recipients::RecipientCollection& collection) = 0;
};

}  // namespace contactfile
