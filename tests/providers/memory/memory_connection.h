#pragma once

#include <memory>
#include <string>
#include <vector>

#include "addressbook/address_book_connection.h"
#include "tests/providers/memory/memory_book.h"

namespace providers {

// What the in-memory libraries hand out and take back, so that a run can be checked for
// leaks and for the order of its calls.
struct MemoryLedger {
    int liveBuffers = 0;
    int liveObjects = 0;
    std::vector<std::string> calls;  // "MAPILogonEx", "WABOpen:<file>", ...
};

// The connection a native run uses: the scenario's book behind both libraries.
class MemoryConnection : public addressbook::AddressBookConnection {
  public:
    explicit MemoryConnection(const MemoryBook& book);
    ~MemoryConnection() override;

    addressbook::MessagingOpen OpenMessaging(ui::WindowHandle hostWindow) override;
    void CloseMessaging(ui::WindowHandle hostWindow) override;
    bool OpenWab(const std::string& libraryPath, const std::string& fileName) override;
    void CloseWab() override;
    addressbook::AddressBook* Book() override;

    const MemoryLedger& Ledger() const { return ledger_; }
    // Buffers, objects and libraries still held; empty when everything was given back.
    std::string Leftovers() const;

  private:
    const MemoryBook& book_;
    MemoryLedger ledger_;
    bool messagingLoaded_ = false;
    bool session_ = false;
    bool wabLoaded_ = false;
    bool wabObject_ = false;
    std::unique_ptr<addressbook::AddressBook> addressBook_;
};

}  // namespace providers
