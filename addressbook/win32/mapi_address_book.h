#pragma once

#include "addressbook/address_book.h"
#include "addressbook/win32/buffer_convention.h"

namespace addressbook::win32 {

// The walk's operations on an IAddrBook from the messaging or the WAB library. Every buffer
// it hands out is freed, and every object released, when its holder is destroyed.
class MapiAddressBook : public AddressBook {
  public:
    MapiAddressBook(IAddrBook& book, const BufferConvention& buffers)
        : book_(book), buffers_(buffers) {}

    std::unique_ptr<EntryList> Address(ui::WindowHandle hostWindow) override;
    std::unique_ptr<OpenedEntry> OpenEntry(std::string_view entryId) override;
    Comparison CompareEntryIds(std::string_view first, std::string_view second) override;
    std::unique_ptr<Buffer> Allocate(std::size_t size) override;

  private:
    IAddrBook& book_;
    const BufferConvention& buffers_;
};

}  // namespace addressbook::win32
