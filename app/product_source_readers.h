#pragma once

#include "app/address_book_source.h"
#include "app/source_readers.h"
#include "recipients/import_context.h"
#include "speeddial/speed_dial_record.h"

namespace app {

// The sources as the tool ships them.
class ProductSourceReaders : public SourceReaders {
  public:
    ProductSourceReaders(recipients::ImportContext& context,
                         addressbook::AddressBookConnection& connection)
        : context_(context), addressBooks_(context, connection) {}

    bool OpenMessagingAddressBook() override;
    void CloseMessagingAddressBook() override;
    bool OpenWabAddressBook(const std::string& path) override;
    void CloseWabAddressBook() override;
    void ImportFromAddressDialog(recipients::RecipientCollection& collection,
                                 recipients::ImportCounters& counters) override;
    int ReadContactFile(const std::string& path, recipients::RecipientCollection& collection,
                        int& rejectedCount, recipients::SourceKind kind) override;
    int ReadSpeedDialSource(const std::string& path, recipients::RecipientCollection& collection,
                            int& rejectedCount) override;
    int AppendSpeedDialRecords(std::string& out,
                               recipients::RecipientCollection& collection) override;
    void ReleaseSpeedDialRecords() override;

  private:
    recipients::ImportContext& context_;
    AddressBookSource addressBooks_;
    speeddial::SpeedDialRecords speedDialRecords_;
};

}  // namespace app
