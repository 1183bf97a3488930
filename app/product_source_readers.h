#pragma once

#include "addressbook/address_book_source.h"
#include "app/import_context.h"
#include "app/source_readers.h"
#include "speeddial/speed_dial_record.h"

// The sources as the tool ships them.
class ProductSourceReaders : public SourceReaders {
  public:
    ProductSourceReaders(ImportContext& context, addressbook::AddressBookConnection& connection)
        : context_(context), addressBooks_(context, connection) {}

    bool OpenMessagingAddressBook() override;
    void CloseMessagingAddressBook() override;
    bool OpenWabAddressBook(const std::string& path) override;
    void CloseWabAddressBook() override;
    void ImportFromAddressDialog(RecipientCollection& collection,
                                 ImportCounters& counters) override;
    int ReadCsvSource(const std::string& path, RecipientCollection& collection, int& rejectedCount,
                      SourceKind kind) override;
    int ReadSpeedDialSource(const std::string& path, RecipientCollection& collection,
                            int& rejectedCount) override;
    int AppendSpeedDialRecords(std::string& out, RecipientCollection& collection) override;
    void ReleaseSpeedDialRecords() override;

  private:
    ImportContext& context_;
    addressbook::AddressBookSource addressBooks_;
    SpeedDialRecords speedDialRecords_;
};
