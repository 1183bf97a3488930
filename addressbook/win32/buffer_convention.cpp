#include "addressbook/win32/buffer_convention.h"

namespace addressbook::win32 {

void* BufferConvention::Allocate(std::size_t size) const {
    void* buffer = nullptr;
    const auto bytes = static_cast<ULONG>(size);
    if (wabObject_ != nullptr) {
        if (FAILED(wabObject_->AllocateBuffer(bytes, &buffer))) {
            return nullptr;
        }
        return buffer;
    }
    const auto allocate = LookUp<MAPIALLOCATEBUFFER>(messagingLibrary_, "MAPIAllocateBuffer");
    if (allocate == nullptr || FAILED(allocate(bytes, &buffer))) {
        return nullptr;
    }
    return buffer;
}

void BufferConvention::Free(void* buffer) const {
    if (buffer == nullptr) {
        return;
    }
    if (wabObject_ != nullptr) {
        wabObject_->FreeBuffer(buffer);
    } else if (const auto free = LookUp<MAPIFREEBUFFER>(messagingLibrary_, "MAPIFreeBuffer")) {
        free(buffer);
    }
}

void BufferConvention::FreeAddressList(ADRLIST* list) const {
    if (list == nullptr) {
        return;
    }
    for (ULONG i = 0; i < list->cEntries; ++i) {
        Free(list->aEntries[i].rgPropVals);
    }
    Free(list);
}

void BufferConvention::FreeRowSet(SRowSet* rows) const {
    if (rows == nullptr) {
        return;
    }
    for (ULONG i = 0; i < rows->cRows; ++i) {
        Free(rows->aRow[i].lpProps);
    }
    Free(rows);
}

}  // namespace addressbook::win32
