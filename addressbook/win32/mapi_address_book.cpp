#include "addressbook/win32/mapi_address_book.h"

#include "ui/win32/owner_guard.h"

namespace addressbook::win32 {

namespace {

constexpr ULONG kTrue = 1;

// A tag set of N tags in the layout of SPropTagArray.
template <ULONG N>
struct TagSet {
    ULONG cValues = N;
    ULONG aulPropTag[N];
    SPropTagArray* get() { return reinterpret_cast<SPropTagArray*>(this); }
};

TagSet<4> MailUserTags() {
    return {4,
            {PR_DISPLAY_NAME_A, PR_PRIMARY_FAX_NUMBER_A, PR_BUSINESS_FAX_NUMBER_A,
             PR_HOME_FAX_NUMBER_A}};
}

TagSet<3> ListColumns() {
    return {3, {PR_DISPLAY_NAME_A, PR_ENTRYID, PR_OBJECT_TYPE}};
}

ENTRYID* AsEntryId(std::string_view id) {
    return reinterpret_cast<ENTRYID*>(const_cast<char*>(id.data()));
}

EntryReference ReferenceIn(const SPropValue* values, ULONG count) {
    EntryReference reference;
    for (ULONG i = 0; values != nullptr && i < count; ++i) {
        if (values[i].ulPropTag == PR_ENTRYID) {
            const SBinary& id = values[i].Value.bin;
            reference.entryId =
                std::string_view(reinterpret_cast<const char*>(id.lpb), id.lpb ? id.cb : 0);
        } else if (values[i].ulPropTag == PR_OBJECT_TYPE) {
            reference.objectType = static_cast<std::uint32_t>(values[i].Value.l);
        }
    }
    return reference;
}

class MapiAddressList : public EntryList {
  public:
    MapiAddressList(ADRLIST* list, const BufferConvention& buffers)
        : list_(list), buffers_(buffers) {}
    ~MapiAddressList() override { buffers_.FreeAddressList(list_); }
    MapiAddressList(const MapiAddressList&) = delete;
    MapiAddressList& operator=(const MapiAddressList&) = delete;
    std::size_t Count() const override { return list_->cEntries; }
    EntryReference At(std::size_t index) const override {
        const ADRENTRY& entry = list_->aEntries[index];
        return ReferenceIn(entry.rgPropVals, entry.cValues);
    }

  private:
    ADRLIST* list_;
    const BufferConvention& buffers_;
};

class MapiRowSet : public EntryList {
  public:
    MapiRowSet(SRowSet* rows, const BufferConvention& buffers) : rows_(rows), buffers_(buffers) {}
    ~MapiRowSet() override { buffers_.FreeRowSet(rows_); }
    MapiRowSet(const MapiRowSet&) = delete;
    MapiRowSet& operator=(const MapiRowSet&) = delete;
    std::size_t Count() const override { return rows_->cRows; }
    EntryReference At(std::size_t index) const override {
        const SRow& row = rows_->aRow[index];
        return ReferenceIn(row.lpProps, row.cValues);
    }

  private:
    SRowSet* rows_;
    const BufferConvention& buffers_;
};

class MapiProperties : public MailUserProperties {
  public:
    MapiProperties(SPropValue* values, ULONG count, const BufferConvention& buffers)
        : values_(values), count_(count), buffers_(buffers) {}
    ~MapiProperties() override { buffers_.Free(values_); }
    MapiProperties(const MapiProperties&) = delete;
    MapiProperties& operator=(const MapiProperties&) = delete;
    std::optional<std::string_view> Text(MailUserProperty which) const override {
        const auto index = static_cast<ULONG>(which);
        if (index >= count_) {
            return std::nullopt;
        }
        const SPropValue& value = values_[index];
        if (PROP_TYPE(value.ulPropTag) != PT_STRING8 || value.Value.lpszA == nullptr) {
            return std::nullopt;  // PT_ERROR, or nothing a text can be read from
        }
        return std::string_view(value.Value.lpszA);
    }

  private:
    SPropValue* values_;
    ULONG count_;
    const BufferConvention& buffers_;
};

class MapiBuffer : public Buffer {
  public:
    MapiBuffer(void* bytes, std::size_t size, const BufferConvention& buffers)
        : bytes_(static_cast<std::byte*>(bytes)), size_(size), buffers_(buffers) {}
    ~MapiBuffer() override { buffers_.Free(bytes_); }
    MapiBuffer(const MapiBuffer&) = delete;
    MapiBuffer& operator=(const MapiBuffer&) = delete;
    std::span<std::byte> Bytes() override { return {bytes_, size_}; }

  private:
    std::byte* bytes_;
    std::size_t size_;
    const BufferConvention& buffers_;
};

class MapiContentsTable : public ContentsTable {
  public:
    MapiContentsTable(IMAPITable* table, const BufferConvention& buffers)
        : table_(table), buffers_(buffers) {}
    ~MapiContentsTable() override { table_->Release(); }
    MapiContentsTable(const MapiContentsTable&) = delete;
    MapiContentsTable& operator=(const MapiContentsTable&) = delete;
    Rows QueryRow() override {
        SRowSet* rows = nullptr;
        if (FAILED(table_->QueryRows(1, 0, &rows))) {
            buffers_.FreeRowSet(rows);
            return {};
        }
        if (rows == nullptr) {
            return {true, nullptr};
        }
        return {true, std::make_unique<MapiRowSet>(rows, buffers_)};
    }

  private:
    IMAPITable* table_;
    const BufferConvention& buffers_;
};

class MapiOpenedEntry : public OpenedEntry {
  public:
    MapiOpenedEntry(IUnknown* object, ULONG objectType, const BufferConvention& buffers)
        : object_(object), objectType_(objectType), buffers_(buffers) {}
    ~MapiOpenedEntry() override { object_->Release(); }
    MapiOpenedEntry(const MapiOpenedEntry&) = delete;
    MapiOpenedEntry& operator=(const MapiOpenedEntry&) = delete;

    std::unique_ptr<MailUserProperties> GetMailUserProperties() override {
        auto tags = MailUserTags();
        ULONG count = 0;
        SPropValue* values = nullptr;
        const HRESULT result =
            static_cast<IMAPIProp*>(object_)->GetProps(tags.get(), 0, &count, &values);
        if (FAILED(result) || values == nullptr) {
            buffers_.Free(values);
            return nullptr;
        }
        return std::make_unique<MapiProperties>(values, count, buffers_);
    }

    std::unique_ptr<ContentsTable> OpenContentsTable() override {
        // Only a container has a contents table; asking anything else would call past its
        // interface.
        if (objectType_ != MAPI_DISTLIST && objectType_ != MAPI_ABCONT) {
            return nullptr;
        }
        IMAPITable* table = nullptr;
        if (FAILED(static_cast<IMAPIContainer*>(object_)->GetContentsTable(0, &table)) ||
            table == nullptr) {
            if (table != nullptr) {
                table->Release();
            }
            return nullptr;
        }
        auto contents = std::make_unique<MapiContentsTable>(table, buffers_);
        auto columns = ListColumns();
        if (FAILED(table->SetColumns(columns.get(), 0)) ||
            FAILED(table->SeekRow(BOOKMARK_BEGINNING, 0, nullptr))) {
            return nullptr;
        }
        return contents;
    }

  private:
    IUnknown* object_;
    ULONG objectType_;
    const BufferConvention& buffers_;
};

}  // namespace

std::unique_ptr<EntryList> MapiAddressBook::Address(ui::WindowHandle hostWindow) {
    char caption[] = "Address Book";
    char newEntryTitle[] = "Used for message only, not for fax import";
    char wellsTitle[] = "Selected Recipients";
    char toTitle[] = "To";
    char* destTitles[] = {toTitle};
    ULONG destComps[] = {MAPI_TO};

    // No container, help, callbacks or restrictions: those members stay zero.
    ADRPARM parameters{};
    parameters.ulFlags = DIALOG_MODAL;
    parameters.lpszCaption = caption;
    parameters.lpszNewEntryTitle = newEntryTitle;
    parameters.lpszDestWellsTitle = wellsTitle;
    parameters.cDestFields = 1;
    parameters.lppszDestTitles = destTitles;
    parameters.lpulDestComps = destComps;

    ULONG_PTR uiParameter = hostWindow;
    // The address dialog is modal to the host window and enables it when it closes; the host
    // stays disabled for the whole run.
    const ui::KeepOwnerDisabled keepHostDisabled(reinterpret_cast<HWND>(hostWindow));
    ADRLIST* list = nullptr;
    if (FAILED(book_.Address(&uiParameter, &parameters, &list))) {
        buffers_.FreeAddressList(list);
        return nullptr;
    }
    if (list == nullptr) {
        return nullptr;
    }
    return std::make_unique<MapiAddressList>(list, buffers_);
}

std::unique_ptr<OpenedEntry> MapiAddressBook::OpenEntry(std::string_view entryId) {
    ULONG objectType = 0;
    IUnknown* object = nullptr;
    const HRESULT result = book_.OpenEntry(static_cast<ULONG>(entryId.size()), AsEntryId(entryId),
                                           nullptr, 0, &objectType, &object);
    if (FAILED(result) || object == nullptr) {
        if (object != nullptr) {
            object->Release();
        }
        return nullptr;
    }
    return std::make_unique<MapiOpenedEntry>(object, objectType, buffers_);
}

Comparison MapiAddressBook::CompareEntryIds(std::string_view first, std::string_view second) {
    ULONG same = 0;
    if (FAILED(book_.CompareEntryIDs(static_cast<ULONG>(first.size()), AsEntryId(first),
                                     static_cast<ULONG>(second.size()), AsEntryId(second), 0,
                                     &same))) {
        return Comparison::Failed;
    }
    return same == kTrue ? Comparison::Same : Comparison::Different;
}

std::unique_ptr<Buffer> MapiAddressBook::Allocate(std::size_t size) {
    void* bytes = buffers_.Allocate(size);
    if (bytes == nullptr) {
        return nullptr;
    }
    return std::make_unique<MapiBuffer>(bytes, size, buffers_);
}

}  // namespace addressbook::win32
