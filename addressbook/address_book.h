#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "ui/window_handle.h"

namespace addressbook {

// PR_OBJECT_TYPE values the walk tells apart; every other value is "another object".
inline constexpr std::uint32_t kMailUser = 6;
inline constexpr std::uint32_t kDistributionList = 8;

// The two values the walk takes from a chosen entry or a list member; an absent one (PT_ERROR
// or not returned) is empty. The views stay valid while the list that holds them lives.
struct EntryReference {
    std::optional<std::string_view> entryId;
    std::optional<std::uint32_t> objectType;
};

// An address list or a row set. Destroying it frees it with the book's free routine.
class EntryList {
  public:
    virtual ~EntryList() = default;
    virtual std::size_t Count() const = 0;
    virtual EntryReference At(std::size_t index) const = 0;
};

// The mail-user tag set, in its order.
enum class MailUserProperty { DisplayName, PrimaryFax, BusinessFax, HomeFax };
inline constexpr std::size_t kMailUserPropertyCount = 4;

// The property-value array of one mail user, freed with the book's free routine when destroyed.
class MailUserProperties {
  public:
    virtual ~MailUserProperties() = default;
    // Empty when the value came back typed PT_ERROR.
    virtual std::optional<std::string_view> Text(MailUserProperty which) const = 0;
};

// A buffer from the book's allocate routine, freed with the matching free routine.
class Buffer {
  public:
    virtual ~Buffer() = default;
    virtual std::span<std::byte> Bytes() = 0;
};

// The contents table of a distribution list, columns set and positioned at its beginning.
// Destroying it releases the table.
class ContentsTable {
  public:
    struct Rows {
        bool ok = false;
        std::unique_ptr<EntryList> rows;  // may be empty or null at the end
    };
    virtual ~ContentsTable() = default;
    // QueryRows with a row count of 1.
    virtual Rows QueryRow() = 0;
};

// A mail user or a distribution list opened from the book. Destroying it releases the object.
class OpenedEntry {
  public:
    virtual ~OpenedEntry() = default;
    // Null when the read failed (whatever came back is freed by then); a warning reads.
    virtual std::unique_ptr<MailUserProperties> GetMailUserProperties() = 0;
    // Gets the contents table, sets the list column set and seeks to the beginning; null when
    // any of these fails (what was obtained is released by then).
    virtual std::unique_ptr<ContentsTable> OpenContentsTable() = 0;
};

enum class Comparison { Failed, Different, Same };

// The operations of an open address book that the walk needs, whichever library is behind it.
class AddressBook {
  public:
    virtual ~AddressBook() = default;
    // The address dialog with one "To" well, modal to the host window. Null when the user
    // cancels or it fails; the returned list may be empty.
    virtual std::unique_ptr<EntryList> Address(ui::WindowHandle hostWindow) = 0;
    // Null when the entry cannot be opened.
    virtual std::unique_ptr<OpenedEntry> OpenEntry(std::string_view entryId) = 0;
    virtual Comparison CompareEntryIds(std::string_view first, std::string_view second) = 0;
    // Null when the allocation fails.
    virtual std::unique_ptr<Buffer> Allocate(std::size_t size) = 0;
};

}  // namespace addressbook
