#pragma once

#include <string>

#include "recipients/import_counters.h"
#include "recipients/recipient_collection.h"
#include "recipients/source_kind.h"

namespace app {

// The sources as the run calls them. The run owns whatever a source keeps between reading and
// writing (the speed-dial records) and releases it on every path.
class SourceReaders {
  public:
    virtual ~SourceReaders() = default;

    virtual bool OpenMessagingAddressBook() = 0;
    virtual void CloseMessagingAddressBook() = 0;
    // An empty path opens the default address-book file.
    virtual bool OpenWabAddressBook(const std::string& path) = 0;
    virtual void CloseWabAddressBook() = 0;
    // Shows the address dialog of the open book and imports what the user chose.
    virtual void ImportFromAddressDialog(recipients::RecipientCollection& collection,
                                         recipients::ImportCounters& counters) = 0;

    // A ReaderResult: a count, or an error code.
    virtual int ReadContactFile(const std::string& path,
                                recipients::RecipientCollection& collection, int& rejectedCount,
                                recipients::SourceKind kind) = 0;
    virtual int ReadSpeedDialSource(const std::string& path,
                                    recipients::RecipientCollection& collection,
                                    int& rejectedCount) = 0;
    // Appends the chosen speed-dial records, encoded, in the order of the collection; returns
    // how many it appended.
    virtual int AppendSpeedDialRecords(std::string& out,
                                       recipients::RecipientCollection& collection) = 0;
    virtual void ReleaseSpeedDialRecords() = 0;
};

}  // namespace app
