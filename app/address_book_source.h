#pragma once

#include <string>

#include "addressbook/address_book_connection.h"
#include "recipients/import_context.h"
#include "recipients/import_counters.h"
#include "recipients/recipient_collection.h"

namespace app {

// The address-book sources as the run calls them: opening and closing through the connection,
// the messages of a failed open, and the address dialog followed by the walk.
class AddressBookSource {
  public:
    AddressBookSource(recipients::ImportContext& context,
                      addressbook::AddressBookConnection& connection)
        : context_(context), connection_(connection) {}

    bool OpenMessagingAddressBook();
    void CloseMessagingAddressBook();
    // An empty path opens the default file.
    bool OpenWabAddressBook(const std::string& path);
    void CloseWabAddressBook();
    void ImportFromAddressDialog(recipients::RecipientCollection& collection,
                                 recipients::ImportCounters& counters);

  private:
    recipients::ImportContext& context_;
    addressbook::AddressBookConnection& connection_;
};

}  // namespace app
