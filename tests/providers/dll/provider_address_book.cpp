#include "tests/providers/dll/provider_address_book.h"

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/providers/dll/com_stubs.h"

namespace providers {

namespace {

constexpr ULONG kMailUserTags[] = {PR_DISPLAY_NAME_A, PR_PRIMARY_FAX_NUMBER_A,
                                   PR_BUSINESS_FAX_NUMBER_A, PR_HOME_FAX_NUMBER_A};
constexpr ULONG kListColumns[] = {PR_DISPLAY_NAME_A, PR_ENTRYID, PR_OBJECT_TYPE};

// One property value before it is laid out in a buffer.
struct Property {
    ULONG tag = 0;
    std::optional<std::string> bytes;  // text or binary; empty: PT_ERROR
    LONG number = 0;
};

bool TagsAre(const SPropTagArray* tags, const ULONG* expected, ULONG count) {
    return tags != nullptr && tags->cValues == count &&
           std::memcmp(tags->aulPropTag, expected, count * sizeof(ULONG)) == 0;
}

// The values in one counted buffer, texts and binaries after the array, as the allocate-more
// chain of a real library keeps them under one free.
SPropValue* LayOut(const std::vector<Property>& properties) {
    std::size_t size = properties.size() * sizeof(SPropValue);
    for (const Property& property : properties) {
        size += property.bytes ? property.bytes->size() + 1 : 0;
    }
    auto* values = static_cast<SPropValue*>(AllocateCounted(size));
    if (values == nullptr) {
        return nullptr;
    }
    char* tail = reinterpret_cast<char*>(values + properties.size());
    for (std::size_t i = 0; i < properties.size(); ++i) {
        const Property& property = properties[i];
        SPropValue& value = values[i];
        if (PROP_TYPE(property.tag) == PT_LONG) {
            value.ulPropTag = property.tag;
            value.Value.l = property.number;
        } else if (!property.bytes) {
            value.ulPropTag = PROP_TAG(PT_ERROR, PROP_ID(property.tag));
            value.Value.err = MAPI_E_NOT_FOUND;
        } else {
            value.ulPropTag = property.tag;
            std::memcpy(tail, property.bytes->data(), property.bytes->size());
            if (PROP_TYPE(property.tag) == PT_BINARY) {
                value.Value.bin.cb = static_cast<ULONG>(property.bytes->size());
                value.Value.bin.lpb = reinterpret_cast<BYTE*>(tail);
            } else {
                value.Value.lpszA = tail;
            }
            tail += property.bytes->size() + 1;
        }
    }
    return values;
}

Property EntryProperty(const MemoryBook& book, const std::string& id, ULONG tag) {
    switch (tag) {
        case PR_ENTRYID:
            return {tag, id};
        case PR_OBJECT_TYPE:
            return {tag, std::nullopt, static_cast<LONG>(book.ObjectTypeOf(id))};
        case PR_DISPLAY_NAME_A: {
            const MemoryEntry* entry = book.Find(id);
            return {tag, entry ? entry->displayName : std::nullopt};
        }
        default:
            return {tag, std::nullopt};
    }
}

std::string IdOf(ULONG size, const ENTRYID* id) {
    return id == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(id), size);
}

class MailUser : public MailUserStub {
  public:
    explicit MailUser(const MemoryEntry& entry) : entry_(entry) {}

    HRESULT STDMETHODCALLTYPE GetProps(SPropTagArray* tags, ULONG flags, ULONG* count,
                                       SPropValue** values) override {
        *values = nullptr;
        *count = 0;
        if (flags != 0 || !TagsAre(tags, kMailUserTags, 4)) {
            Refuse("GetProps");
            return MAPI_E_INVALID_PARAMETER;
        }
        if (entry_.failsProps) {
            return MAPI_E_CALL_FAILED;
        }
        const std::optional<std::string> texts[] = {entry_.displayName, entry_.faxes[0],
                                                    entry_.faxes[1], entry_.faxes[2]};
        std::vector<Property> properties;
        bool missing = false;
        for (ULONG i = 0; i < 4; ++i) {
            properties.push_back({kMailUserTags[i], texts[i]});
            missing = missing || !texts[i];
        }
        *values = LayOut(properties);
        if (*values == nullptr) {
            return MAPI_E_NOT_ENOUGH_MEMORY;
        }
        *count = 4;
        return missing ? MAPI_W_ERRORS_RETURNED : S_OK;
    }

  private:
    const MemoryEntry& entry_;
};

class ContentsTable : public TableStub {
  public:
    ContentsTable(const MemoryBook& book, const MemoryEntry& list) : book_(book), list_(list) {}

    HRESULT STDMETHODCALLTYPE SetColumns(SPropTagArray* tags, ULONG flags) override {
        if (flags != 0 || !TagsAre(tags, kListColumns, 3)) {
            Refuse("SetColumns");
            return MAPI_E_INVALID_PARAMETER;
        }
        columnsSet_ = true;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SeekRow(BOOKMARK origin, LONG rows, LONG* sought) override {
        if (origin != BOOKMARK_BEGINNING || rows != 0 || sought != nullptr) {
            Refuse("SeekRow");
            return MAPI_E_INVALID_PARAMETER;
        }
        position_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE QueryRows(LONG count, ULONG flags, SRowSet** rows) override {
        *rows = nullptr;
        if (count != 1 || flags != 0 || !columnsSet_) {
            Refuse("QueryRows");
            return MAPI_E_INVALID_PARAMETER;
        }
        ++rowsRead_;
        if (rowsRead_ == list_.failingRow) {
            return MAPI_E_CALL_FAILED;
        }
        const bool more = position_ < list_.members.size();
        auto* set = static_cast<SRowSet*>(AllocateCounted(CbNewSRowSet(1)));
        if (set == nullptr) {
            return MAPI_E_NOT_ENOUGH_MEMORY;
        }
        set->cRows = 0;
        if (more) {
            const std::string& id = list_.members[position_++];
            std::vector<Property> columns;
            for (const ULONG tag : kListColumns) {
                columns.push_back(EntryProperty(book_, id, tag));
            }
            set->aRow[0].cValues = 3;
            set->aRow[0].lpProps = LayOut(columns);
            set->cRows = 1;
        }
        *rows = set;
        return S_OK;
    }

  private:
    const MemoryBook& book_;
    const MemoryEntry& list_;
    bool columnsSet_ = false;
    std::size_t position_ = 0;
    int rowsRead_ = 0;
};

class DistList : public DistListStub {
  public:
    DistList(const MemoryBook& book, const MemoryEntry& list) : book_(book), list_(list) {}

    HRESULT STDMETHODCALLTYPE GetContentsTable(ULONG flags, IMAPITable** table) override {
        *table = nullptr;
        if (flags != 0) {
            Refuse("GetContentsTable");
            return MAPI_E_INVALID_PARAMETER;
        }
        if (list_.failsTable) {
            return MAPI_E_CALL_FAILED;
        }
        *table = new ContentsTable(book_, list_);
        return S_OK;
    }

  private:
    const MemoryBook& book_;
    const MemoryEntry& list_;
};

class AddressBook : public AddrBookStub {
  public:
    explicit AddressBook(const MemoryBook& book) : book_(book) {}

    HRESULT STDMETHODCALLTYPE Address(ULONG_PTR* uiParameter, ADRPARM* parameters,
                                      ADRLIST** list) override {
        if (uiParameter == nullptr || list == nullptr || *list != nullptr ||
            !IsTheToolsDialog(parameters)) {
            Refuse("Address");
            return MAPI_E_INVALID_PARAMETER;
        }
        const MemoryChoice& choice = book_.Choice();
        if (choice.kind == scenario::ChooseKind::Cancel) {
            return MAPI_E_USER_CANCEL;
        }
        auto* chosen = static_cast<ADRLIST*>(AllocateCounted(CbNewADRLIST(choice.ids.size())));
        if (chosen == nullptr) {
            return MAPI_E_NOT_ENOUGH_MEMORY;
        }
        chosen->cEntries = static_cast<ULONG>(choice.ids.size());
        for (std::size_t i = 0; i < choice.ids.size(); ++i) {
            std::vector<Property> values;
            for (const ULONG tag :
                 {ULONG(PR_ENTRYID), ULONG(PR_OBJECT_TYPE), ULONG(PR_DISPLAY_NAME_A)}) {
                values.push_back(EntryProperty(book_, choice.ids[i], tag));
            }
            chosen->aEntries[i].cValues = 3;
            chosen->aEntries[i].rgPropVals = LayOut(values);
        }
        *list = chosen;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE OpenEntry(ULONG size, ENTRYID* id, const IID* interfaceId,
                                        ULONG flags, ULONG* objectType,
                                        IUnknown** object) override {
        *object = nullptr;
        if (interfaceId != nullptr || flags != 0) {
            Refuse("OpenEntry");
            return MAPI_E_INVALID_PARAMETER;
        }
        const MemoryEntry* entry = book_.Find(IdOf(size, id));
        if (entry == nullptr || entry->failsOpen) {
            return MAPI_E_NOT_FOUND;
        }
        *objectType = entry->objectType;
        if (entry->objectType == MAPI_DISTLIST) {
            *object = static_cast<IDistList*>(new DistList(book_, *entry));
        } else {
            *object = static_cast<IMailUser*>(new MailUser(*entry));
        }
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE CompareEntryIDs(ULONG firstSize, ENTRYID* first, ULONG secondSize,
                                              ENTRYID* second, ULONG flags,
                                              ULONG* result) override {
        if (flags != 0 || result == nullptr) {
            Refuse("CompareEntryIDs");
            return MAPI_E_INVALID_PARAMETER;
        }
        *result = IdOf(firstSize, first) == IdOf(secondSize, second) ? TRUE : FALSE;
        return S_OK;
    }

  private:
    static bool Is(const char* text, const char* expected) {
        return text != nullptr && std::strcmp(text, expected) == 0;
    }
    static bool IsTheToolsDialog(const ADRPARM* p) {
        return p != nullptr && p->cbABContEntryID == 0 && p->lpABContEntryID == nullptr &&
               p->ulFlags == DIALOG_MODAL && p->lpReserved == nullptr && p->ulHelpContext == 0 &&
               p->lpszHelpFileName == nullptr && p->lpfnABSDI == nullptr &&
               p->lpfnDismiss == nullptr && p->lpvDismissContext == nullptr &&
               Is(p->lpszCaption, "Address Book") &&
               Is(p->lpszNewEntryTitle, "Used for message only, not for fax import") &&
               Is(p->lpszDestWellsTitle, "Selected Recipients") && p->cDestFields == 1 &&
               p->nDestFieldFocus == 0 && p->lppszDestTitles != nullptr &&
               Is(p->lppszDestTitles[0], "To") && p->lpulDestComps != nullptr &&
               p->lpulDestComps[0] == MAPI_TO && p->lpContRestriction == nullptr &&
               p->lpHierRestriction == nullptr;
    }

    const MemoryBook& book_;
};

}  // namespace

const MemoryBook* ScenarioBook() {
    static std::unique_ptr<MemoryBook> book = [] {
        std::unique_ptr<MemoryBook> read;
        char path[MAX_PATH];
        const DWORD length = GetEnvironmentVariableA("FAXIMPORT_TEST_SCENARIO", path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return read;
        }
        try {
            const scenario::Scenario scenario =
                scenario::ParseScenarioFile(std::string(path, length));
            read = std::make_unique<MemoryBook>(scenario.setup);
        } catch (const std::exception&) {
            Refuse("reading the scenario");
        }
        return read;
    }();
    return book.get();
}

void Refuse(const char* call) {
    Ledger().refused += std::string(call) + ";";
}

IAddrBook* NewAddressBook(const MemoryBook& book) {
    return new AddressBook(book);
}

}  // namespace providers
