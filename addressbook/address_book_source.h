#pragma once

#include <string>

#include "addressbook/address_book_connection.h"
#include "app/import_context.h"
#include "app/source_readers.h"

namespace addressbook {

// The address-book sources as the run calls them: opening and closing through the connection,
// the messages of a failed open, and the address dialog followed by the walk.
class AddressBookSource {
  public:
    AddressBookSource(ImportContext& context, AddressBookConnection& connection)
        : context_(context), connection_(connection) {}

    bool OpenMessagingAddressBook();
    void CloseMessagingAddressBook();
    // An empty path opens the default file.
    bool OpenWabAddressBook(const std::string& path);
    void CloseWabAddressBook();
    void ImportFromAddressDialog(RecipientCollection& collection, ImportCounters& counters);

  private:
    ImportContext& context_;
    AddressBookConnection& connection_;
};

}  // namespace addressbook
