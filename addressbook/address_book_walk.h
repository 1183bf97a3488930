#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "addressbook/address_book.h"
#include "recipients/import_counters.h"
#include "recipients/recipient_collection.h"
#include "ui/backend.h"

namespace addressbook {

// Most distribution lists one walk takes up, whatever loops the lists form.
inline constexpr std::size_t kExpandedListLimit = 256;

// Walks the entries chosen in the address dialog: expands distribution lists depth-first, each
// at most once (a list chosen twice excepted), hands every fax number of every mail user to the
// collection and keeps the three counters.
class AddressBookWalk {
  public:
    AddressBookWalk(AddressBook& book, recipients::RecipientCollection& collection,
                    recipients::ImportCounters& counters)
        : book_(book), collection_(collection), counters_(counters) {}

    // Shows the progress notice on backend for the whole walk.
    void ImportChosenEntries(const EntryList& chosen, ui::Backend& backend);

  private:
    // A list that cannot be opened or read adds the members read so far and nothing else.
    void ExpandDistributionList(std::string_view entryId);
    void HandleMember(const EntryReference& member);
    void HandleMailUser(std::string_view entryId);
    void CountOtherObject();
    // Appends a record of the list to the expanded-list table; false when there is no room.
    bool TakeUpList(std::string_view entryId);
    bool AlreadyTakenUp(std::string_view entryId);
    std::unique_ptr<MailUserProperties> ReadMailUserProperties(std::string_view entryId);
    void AddMailUserFaxEntries(const MailUserProperties& properties);
    void FreeExpandedLists();

    AddressBook& book_;
    recipients::RecipientCollection& collection_;
    recipients::ImportCounters& counters_;
    // Each record: the identifier's length (32-bit) and its bytes, from the book's allocator.
    std::vector<std::unique_ptr<Buffer>> expandedLists_;
};

}  // namespace addressbook
