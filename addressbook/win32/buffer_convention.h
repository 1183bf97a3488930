#pragma once

#include <cstddef>

#include "addressbook/win32/mapi_headers.h"

namespace addressbook::win32 {

// Which routines allocate and free the buffers of the open address book: the WAB object's
// when a WAB file is open, else the messaging library's. The choice is made anew on every call
// by the WAB object slot, and the messaging routines are looked up each time.
class BufferConvention {
  public:
    BufferConvention(const HMODULE& messagingLibrary, IWABObject* const& wabObject)
        : messagingLibrary_(messagingLibrary), wabObject_(wabObject) {}

    // Null when the allocation fails.
    void* Allocate(std::size_t size) const;
    // A null buffer is ignored.
    void Free(void* buffer) const;
    // Frees each entry's property values, first to last, then the list; null is ignored.
    void FreeAddressList(ADRLIST* list) const;
    void FreeRowSet(SRowSet* rows) const;

  private:
    const HMODULE& messagingLibrary_;
    IWABObject* const& wabObject_;
};

// An entry point of a loaded library by name, typed; null when the library lacks it.
template <typename Function>
Function* LookUp(HMODULE library, const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

}  // namespace addressbook::win32
