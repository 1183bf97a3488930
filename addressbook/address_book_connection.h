#pragma once

#include <memory>
#include <string>

#include "addressbook/address_book.h"
#include "ui/window_handle.h"

namespace addressbook {

// The WAB library loaded when the registry names none.
inline constexpr char kDefaultWabLibrary[] = "WAB32.DLL";

// Needs32BitProgram / Needs64BitProgram: the messaging system is of the other bitness and this
// program's twin of that bitness did not take the run over.
enum class MessagingOpen {
    Opened,
    LibraryMissing,
    NotOpened,
    Needs32BitProgram,
    Needs64BitProgram
};

// The libraries behind the address-book sources: the messaging library and the WAB library on
// Windows, or a provider of our own. At most one address book is open at a time; each close
// works from any state, releasing only what exists.
class AddressBookConnection {
  public:
    virtual ~AddressBookConnection() = default;

    virtual MessagingOpen OpenMessaging(ui::WindowHandle hostWindow) = 0;
    virtual void CloseMessaging(ui::WindowHandle hostWindow) = 0;
    // An empty file name opens the library's default file.
    virtual bool OpenWab(const std::string& libraryPath, const std::string& fileName) = 0;
    virtual void CloseWab() = 0;
    // The open address book, or null.
    virtual AddressBook* Book() = 0;
};

// The connection of the platform the tool is built for.
std::unique_ptr<AddressBookConnection> MakePlatformConnection();

}  // namespace addressbook
