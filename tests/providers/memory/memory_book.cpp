#include "tests/providers/memory/memory_book.h"

#include "addressbook/address_book.h"

namespace providers {

MemoryBook::MemoryBook(const scenario::Setup& setup) {
    using scenario::AddressBookFailure;
    for (const auto& user : setup.users) {
        MemoryEntry& entry = EntryFor(user.id);
        entry.objectType = addressbook::kMailUser;
        entry.displayName = user.name;
        entry.faxes[0] = user.primaryFax;
        entry.faxes[1] = user.businessFax;
        entry.faxes[2] = user.homeFax;
    }
    for (const auto& list : setup.lists) {
        MemoryEntry& entry = EntryFor(list.id);
        entry.objectType = addressbook::kDistributionList;
        entry.displayName = list.name;
        entry.members = list.members;
    }
    for (const auto& other : setup.others) {
        MemoryEntry& entry = EntryFor(other.id);
        entry.objectType = kOtherObjectType;
        entry.displayName = other.name;
    }
    for (const auto& failure : setup.failures) {
        MemoryEntry& entry = EntryFor(failure.id);
        switch (failure.what) {
            case AddressBookFailure::What::Open:
                entry.failsOpen = true;
                break;
            case AddressBookFailure::What::Props:
                entry.failsProps = true;
                break;
            case AddressBookFailure::What::Table:
                entry.failsTable = true;
                break;
            case AddressBookFailure::What::Row:
                entry.failingRow = failure.row;
                break;
        }
    }
    choice_ = {setup.choose, setup.chosenIds};
    libraries_.messagingLoads = scenario::MapiLoads(setup.mapi);
    // Without the twin the Windows runner starts the build of the other bitness: this one.
    libraries_.missingTwinBits = setup.twinAbsent ? setup.mapiBits : 0;
    libraries_.initialize = setup.mapiInitialize;
    libraries_.logon = setup.mapiLogon;
    libraries_.addressBook = setup.mapiAddressBook;
    libraries_.wabLoads = setup.wabPresent;
    libraries_.wabOpen = setup.wabOpen;
}

MemoryEntry& MemoryBook::EntryFor(const std::string& id) {
    MemoryEntry& entry = entries_[id];
    if (entry.id.empty()) {
        entry.id = id;
        entry.objectType = addressbook::kMailUser;
    }
    return entry;
}

const MemoryEntry* MemoryBook::Find(std::string_view id) const {
    const auto found = entries_.find(id);
    return found == entries_.end() ? nullptr : &found->second;
}

std::uint32_t MemoryBook::ObjectTypeOf(std::string_view id) const {
    const MemoryEntry* entry = Find(id);
    return entry == nullptr ? addressbook::kMailUser : entry->objectType;
}

}  // namespace providers
