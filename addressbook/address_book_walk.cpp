#include "addressbook/address_book_walk.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "recipients/recipient_entry.h"
#include "ui/progress_notice.h"

namespace addressbook {

using recipients::AddRecipientEntry;
using recipients::AddResult;
using recipients::CutToField;

namespace {

std::string_view RecordEntryId(Buffer& record) {
    const std::span<std::byte> bytes = record.Bytes();
    std::uint32_t length = 0;
    std::memcpy(&length, bytes.data(), sizeof length);
    return {reinterpret_cast<const char*>(bytes.data()) + sizeof length, length};
}

}  // namespace

void AddressBookWalk::ImportChosenEntries(const EntryList& chosen, ui::Backend& backend) {
    ui::ProgressNotice notice(backend);
    collection_.count = 0;
    collection_.entries.clear();
    FreeExpandedLists();
    for (std::size_t i = 0; i < chosen.Count(); ++i) {
        const EntryReference entry = chosen.At(i);
        if (!entry.entryId || !entry.objectType) {
            CountOtherObject();
        } else if (*entry.objectType == kDistributionList) {
            // A list chosen in the dialog is not looked up, so one chosen twice runs twice.
            if (TakeUpList(*entry.entryId)) {
                ExpandDistributionList(*entry.entryId);
            } else {
                CountOtherObject();
            }
        } else if (*entry.objectType == kMailUser) {
            HandleMailUser(*entry.entryId);
        } else {
            CountOtherObject();
        }
    }
    FreeExpandedLists();
}

void AddressBookWalk::ExpandDistributionList(std::string_view entryId) {
    const std::unique_ptr<OpenedEntry> list = book_.OpenEntry(entryId);
    if (!list) {
        return;
    }
    const std::unique_ptr<ContentsTable> table = list->OpenContentsTable();
    if (!table) {
        return;
    }
    // A failed read ends the list like its last row.
    for (;;) {
        const ContentsTable::Rows read = table->QueryRow();
        if (!read.ok || !read.rows || read.rows->Count() == 0) {
            return;
        }
        HandleMember(read.rows->At(0));
    }
}

void AddressBookWalk::HandleMember(const EntryReference& member) {
    if (!member.entryId || !member.objectType) {
        CountOtherObject();
    } else if (*member.objectType == kDistributionList) {
        if (expandedLists_.size() >= kExpandedListLimit) {
            CountOtherObject();
        } else if (!AlreadyTakenUp(*member.entryId)) {
            // Depth-first: the nested list's members come before the outer list's next row.
            if (TakeUpList(*member.entryId)) {
                ExpandDistributionList(*member.entryId);
            } else {
                CountOtherObject();
            }
        }
    } else if (*member.objectType == kMailUser) {
        HandleMailUser(*member.entryId);
    } else {
        CountOtherObject();
    }
}

void AddressBookWalk::HandleMailUser(std::string_view entryId) {
    ++counters_.selectedCount;
    // A mail user that cannot be read is counted as examined only.
    if (const auto properties = ReadMailUserProperties(entryId)) {
        AddMailUserFaxEntries(*properties);
    }
}

void AddressBookWalk::CountOtherObject() {
    ++counters_.selectedCount;
    ++counters_.rejectedCount;
}

bool AddressBookWalk::TakeUpList(std::string_view entryId) {
    if (expandedLists_.size() >= kExpandedListLimit) {
        return false;
    }
    const auto length = static_cast<std::uint32_t>(entryId.size());
    std::unique_ptr<Buffer> record = book_.Allocate(sizeof length + entryId.size());
    if (!record) {
        return false;
    }
    std::byte* bytes = record->Bytes().data();
    std::memcpy(bytes, &length, sizeof length);
    std::memcpy(bytes + sizeof length, entryId.data(), entryId.size());
    expandedLists_.push_back(std::move(record));
    return true;
}

bool AddressBookWalk::AlreadyTakenUp(std::string_view entryId) {
    // A list that no comparison could be made with is not taken up: loops must end.
    bool anyCompared = false;
    for (const auto& record : expandedLists_) {
        const Comparison result = book_.CompareEntryIds(RecordEntryId(*record), entryId);
        if (result == Comparison::Same) {
            return true;
        }
        anyCompared = anyCompared || result == Comparison::Different;
    }
    return !anyCompared;
}

std::unique_ptr<MailUserProperties> AddressBookWalk::ReadMailUserProperties(
    std::string_view entryId) {
    std::unique_ptr<MailUserProperties> properties;
    if (const std::unique_ptr<OpenedEntry> user = book_.OpenEntry(entryId)) {
        properties = user->GetMailUserProperties();
    }
    return properties;
}

void AddressBookWalk::AddMailUserFaxEntries(const MailUserProperties& properties) {
    const int validBefore = counters_.validFaxCount;
    std::string name;
    if (const auto text = properties.Text(MailUserProperty::DisplayName)) {
        name = *text;
        CutToField(name);
    }
    bool anyFax = false;
    for (const MailUserProperty which :
         {MailUserProperty::PrimaryFax, MailUserProperty::BusinessFax, MailUserProperty::HomeFax}) {
        const auto text = properties.Text(which);
        if (!text) {
            continue;
        }
        anyFax = true;
        std::string fax(*text);
        CutToField(fax);
        std::string entryName = name;
        switch (AddRecipientEntry(entryName, fax, collection_)) {
            case AddResult::Added:
                counters_.validFaxCount = collection_.count;
                break;
            case AddResult::LimitReached:
                ++counters_.validFaxCount;
                break;
            case AddResult::Rejected:
                break;
        }
    }
    if (!anyFax || counters_.validFaxCount == validBefore) {
        ++counters_.rejectedCount;
    }
}

void AddressBookWalk::FreeExpandedLists() {
    while (!expandedLists_.empty()) {
        expandedLists_.pop_back();
    }
}

}  // namespace addressbook
