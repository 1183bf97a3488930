#include "addressbook/address_book_connection.h"

namespace addressbook {

namespace {

// Outside Windows there is no messaging or WAB library to load.
class NoAddressBookConnection : public AddressBookConnection {
  public:
    MessagingOpen OpenMessaging(ui::WindowHandle) override { return MessagingOpen::LibraryMissing; }
    void CloseMessaging(ui::WindowHandle) override {}
    bool OpenWab(const std::string&, const std::string&) override { return false; }
    void CloseWab() override {}
    AddressBook* Book() override { return nullptr; }
};

}  // namespace

std::unique_ptr<AddressBookConnection> MakePlatformConnection() {
    return std::make_unique<NoAddressBookConnection>();
}

}  // namespace addressbook
