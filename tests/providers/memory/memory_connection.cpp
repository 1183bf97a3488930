#include "tests/providers/memory/memory_connection.h"

#include <cstddef>
#include <utility>

namespace providers {

namespace {

using addressbook::Comparison;
using addressbook::ContentsTable;
using addressbook::EntryList;
using addressbook::EntryReference;
using addressbook::MailUserProperties;
using addressbook::MailUserProperty;

// Counts itself among the live buffers or objects of the ledger while it exists.
class Counted {
  public:
    explicit Counted(int& live) : live_(live) { ++live_; }
    ~Counted() { --live_; }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;

  private:
    int& live_;
};

class MemoryEntryList : public EntryList, Counted {
  public:
    MemoryEntryList(MemoryLedger& ledger, const MemoryBook& book, std::vector<std::string> ids)
        : Counted(ledger.liveBuffers), book_(book), ids_(std::move(ids)) {}
    std::size_t Count() const override { return ids_.size(); }
    EntryReference At(std::size_t index) const override {
        return {ids_[index], book_.ObjectTypeOf(ids_[index])};
    }

  private:
    const MemoryBook& book_;
    std::vector<std::string> ids_;
};

class MemoryProperties : public MailUserProperties, Counted {
  public:
    MemoryProperties(MemoryLedger& ledger, const MemoryEntry& entry)
        : Counted(ledger.liveBuffers), entry_(entry) {}
    std::optional<std::string_view> Text(MailUserProperty which) const override {
        const std::optional<std::string>& value =
            which == MailUserProperty::DisplayName
                ? entry_.displayName
                : entry_.faxes[static_cast<int>(which) -
                               static_cast<int>(MailUserProperty::PrimaryFax)];
        if (!value) {
            return std::nullopt;
        }
        return std::string_view(*value);
    }

  private:
    const MemoryEntry& entry_;
};

class MemoryBuffer : public addressbook::Buffer, Counted {
  public:
    MemoryBuffer(MemoryLedger& ledger, std::size_t size)
        : Counted(ledger.liveBuffers), bytes_(size) {}
    std::span<std::byte> Bytes() override { return bytes_; }

  private:
    std::vector<std::byte> bytes_;
};

class MemoryTable : public ContentsTable, Counted {
  public:
    MemoryTable(MemoryLedger& ledger, const MemoryBook& book, const MemoryEntry& list)
        : Counted(ledger.liveObjects), ledger_(ledger), book_(book), list_(list) {}
    Rows QueryRow() override {
        ledger_.calls.push_back("QueryRows:" + list_.id);
        ++rowsRead_;
        if (rowsRead_ == static_cast<std::size_t>(list_.failingRow)) {
            return {};
        }
        std::vector<std::string> row;
        if (rowsRead_ <= list_.members.size()) {
            row.push_back(list_.members[rowsRead_ - 1]);
        }
        return {true, std::make_unique<MemoryEntryList>(ledger_, book_, std::move(row))};
    }

  private:
    MemoryLedger& ledger_;
    const MemoryBook& book_;
    const MemoryEntry& list_;
    std::size_t rowsRead_ = 0;
};

class MemoryOpenedEntry : public addressbook::OpenedEntry, Counted {
  public:
    MemoryOpenedEntry(MemoryLedger& ledger, const MemoryBook& book, const MemoryEntry& entry)
        : Counted(ledger.liveObjects), ledger_(ledger), book_(book), entry_(entry) {}
    std::unique_ptr<MailUserProperties> GetMailUserProperties() override {
        ledger_.calls.push_back("GetProps:" + entry_.id);
        if (entry_.failsProps || entry_.objectType != addressbook::kMailUser) {
            return nullptr;
        }
        return std::make_unique<MemoryProperties>(ledger_, entry_);
    }
    std::unique_ptr<ContentsTable> OpenContentsTable() override {
        ledger_.calls.push_back("GetContentsTable:" + entry_.id);
        if (entry_.failsTable || entry_.objectType != addressbook::kDistributionList) {
            return nullptr;
        }
        return std::make_unique<MemoryTable>(ledger_, book_, entry_);
    }

  private:
    MemoryLedger& ledger_;
    const MemoryBook& book_;
    const MemoryEntry& entry_;
};

class MemoryAddressBook : public addressbook::AddressBook, Counted {
  public:
    MemoryAddressBook(MemoryLedger& ledger, const MemoryBook& book)
        : Counted(ledger.liveObjects), ledger_(ledger), book_(book) {}
    std::unique_ptr<EntryList> Address(ui::WindowHandle) override {
        ledger_.calls.push_back("Address");
        const MemoryChoice& choice = book_.Choice();
        if (choice.kind == scenario::ChooseKind::Cancel) {
            return nullptr;
        }
        return std::make_unique<MemoryEntryList>(ledger_, book_, choice.ids);
    }
    std::unique_ptr<addressbook::OpenedEntry> OpenEntry(std::string_view entryId) override {
        ledger_.calls.push_back("OpenEntry:" + std::string(entryId));
        const MemoryEntry* entry = book_.Find(entryId);
        if (entry == nullptr || entry->failsOpen) {
            return nullptr;
        }
        return std::make_unique<MemoryOpenedEntry>(ledger_, book_, *entry);
    }
    Comparison CompareEntryIds(std::string_view first, std::string_view second) override {
        return first == second ? Comparison::Same : Comparison::Different;
    }
    std::unique_ptr<addressbook::Buffer> Allocate(std::size_t size) override {
        return std::make_unique<MemoryBuffer>(ledger_, size);
    }

  private:
    MemoryLedger& ledger_;
    const MemoryBook& book_;
};

}  // namespace

MemoryConnection::MemoryConnection(const MemoryBook& book) : book_(book) {}

MemoryConnection::~MemoryConnection() = default;

addressbook::MessagingOpen MemoryConnection::OpenMessaging(ui::WindowHandle) {
    const MemoryLibraries& libraries = book_.Libraries();
    if (!libraries.messagingLoads) {
        return addressbook::MessagingOpen::LibraryMissing;
    }
    if (libraries.missingTwinBits != 0) {
        return libraries.missingTwinBits == 32 ? addressbook::MessagingOpen::Needs32BitProgram
                                               : addressbook::MessagingOpen::Needs64BitProgram;
    }
    ledger_.calls.push_back("MAPIInitialize");
    if (libraries.initialize == "fail") {
        return addressbook::MessagingOpen::NotOpened;
    }
    messagingLoaded_ = true;
    ledger_.calls.push_back("MAPILogonEx");
    if (libraries.logon != "ok") {
        return addressbook::MessagingOpen::NotOpened;
    }
    session_ = true;
    ledger_.calls.push_back("OpenAddressBook");
    if (libraries.addressBook == "fail") {
        return addressbook::MessagingOpen::NotOpened;
    }
    addressBook_ = std::make_unique<MemoryAddressBook>(ledger_, book_);
    return addressbook::MessagingOpen::Opened;
}

void MemoryConnection::CloseMessaging(ui::WindowHandle) {
    if (addressBook_) {
        ledger_.calls.push_back("Release:AddressBook");
        addressBook_.reset();
    }
    if (session_) {
        ledger_.calls.push_back("Logoff");
        ledger_.calls.push_back("Release:Session");
        session_ = false;
    }
    if (messagingLoaded_) {
        ledger_.calls.push_back("MAPIUninitialize");
        messagingLoaded_ = false;
    }
}

bool MemoryConnection::OpenWab(const std::string& libraryPath, const std::string& fileName) {
    const MemoryLibraries& libraries = book_.Libraries();
    ledger_.calls.push_back("LoadLibrary:" + libraryPath);
    if (!libraries.wabLoads) {
        return false;
    }
    wabLoaded_ = true;
    ledger_.calls.push_back("WABOpen:" + fileName);
    if (libraries.wabOpen == "fail") {
        return false;
    }
    // A warning still hands out both objects; the tool must release them.
    wabObject_ = true;
    addressBook_ = std::make_unique<MemoryAddressBook>(ledger_, book_);
    return libraries.wabOpen == "ok";
}

void MemoryConnection::CloseWab() {
    if (addressBook_) {
        ledger_.calls.push_back("Release:AddressBook");
        addressBook_.reset();
    }
    if (wabObject_) {
        ledger_.calls.push_back("Release:WabObject");
        wabObject_ = false;
    }
    if (wabLoaded_) {
        ledger_.calls.push_back("FreeLibrary:WAB");
        wabLoaded_ = false;
    }
}

addressbook::AddressBook* MemoryConnection::Book() {
    return addressBook_.get();
}

std::string MemoryConnection::Leftovers() const {
    std::string left;
    if (ledger_.liveBuffers != 0) {
        left += std::to_string(ledger_.liveBuffers) + " buffers; ";
    }
    if (ledger_.liveObjects != 0) {
        left += std::to_string(ledger_.liveObjects) + " objects; ";
    }
    if (messagingLoaded_ || session_ || wabLoaded_ || wabObject_) {
        left += "a library, session or WAB object; ";
    }
    return left;
}

}  // namespace providers
