#include <cstddef>
#include <optional>

#include "addressbook/address_book_connection.h"
#include "addressbook/win32/buffer_convention.h"
#include "addressbook/win32/mapi_address_book.h"
#include "ui/win32/library_loading.h"
#include "ui/win32/messaging_bitness.h"

namespace addressbook {

namespace {

using win32::BufferConvention;
using win32::LookUp;
using win32::MapiAddressBook;

constexpr ULONG kLogonFlags = MAPI_LOGON_UI | MAPI_EXTENDED | MAPI_NO_MAIL;
// The parameter record up to, not including, the profile GUID, which the tool never passes:
// 16 bytes in the 32-bit build, 28 in the 64-bit one.
constexpr ULONG kWabParamSize = offsetof(WAB_PARAM, guidPSExt);

// The messaging library or the WAB library, whichever the run opens, and the address book that
// comes from it.
class Win32Connection : public AddressBookConnection {
  public:
    ~Win32Connection() override {
        CloseMessaging(0);
        CloseWab();
    }

    MessagingOpen OpenMessaging(ui::WindowHandle hostWindow) override {
        // The system's stub would only fail to load a library of the other bitness.
        if (const int bits = ui::MessagingSystemBits(); bits != 0 && bits != ui::kOwnBits) {
            return bits == 32 ? MessagingOpen::Needs32BitProgram : MessagingOpen::Needs64BitProgram;
        }
        messagingLibrary_ = ui::LoadSystemLibrary("MAPI32.DLL");
        if (messagingLibrary_ == nullptr) {
            return MessagingOpen::LibraryMissing;
        }
        const auto initialize = LookUp<MAPIINITIALIZE>(messagingLibrary_, "MAPIInitialize");
        if (initialize == nullptr || FAILED(initialize(nullptr))) {
            return MessagingOpen::NotOpened;
        }
        initialized_ = true;
        const auto logon = LookUp<MAPILOGONEX>(messagingLibrary_, "MAPILogonEx");
        if (logon == nullptr ||
            FAILED(logon(hostWindow, nullptr, nullptr, kLogonFlags, &session_)) ||
            session_ == nullptr) {
            return MessagingOpen::NotOpened;
        }
        if (FAILED(session_->OpenAddressBook(hostWindow, nullptr, 0, &book_)) || book_ == nullptr) {
            return MessagingOpen::NotOpened;
        }
        return MessagingOpen::Opened;
    }

    void CloseMessaging(ui::WindowHandle hostWindow) override {
        ReleaseBook();
        if (session_ != nullptr) {
            session_->Logoff(hostWindow, MAPI_LOGOFF_UI, 0);
            session_->Release();
            session_ = nullptr;
        }
        if (initialized_) {
            if (const auto uninitialize =
                    LookUp<MAPIUNINITIALIZE>(messagingLibrary_, "MAPIUninitialize")) {
                uninitialize();
            }
            initialized_ = false;
        }
        if (messagingLibrary_ != nullptr) {
            FreeLibrary(messagingLibrary_);
        }
        messagingLibrary_ = nullptr;
    }

    bool OpenWab(const std::string& libraryPath, const std::string& fileName) override {
        wabLibrary_ = ui::LoadNamedLibrary(libraryPath);
        if (wabLibrary_ == nullptr) {
            return false;
        }
        const auto open = LookUp<WABOPEN>(wabLibrary_, "WABOpen");
        if (open == nullptr) {
            return false;
        }
        // The library reads the name only; an empty one (never a null pointer) means its
        // default file.
        std::string name = fileName;
        WAB_PARAM parameters{};
        parameters.cbSize = kWabParamSize;
        parameters.szFileName = name.data();
        return open(&book_, &wabObject_, &parameters, 0) == S_OK && book_ != nullptr &&
               wabObject_ != nullptr;
    }

    void CloseWab() override {
        ReleaseBook();
        if (wabObject_ != nullptr) {
            wabObject_->Release();
            wabObject_ = nullptr;
        }
        if (wabLibrary_ != nullptr) {
            FreeLibrary(wabLibrary_);
            wabLibrary_ = nullptr;
        }
    }

    AddressBook* Book() override {
        if (book_ == nullptr) {
            return nullptr;
        }
        if (!adapter_) {
            adapter_.emplace(*book_, buffers_);
        }
        return &*adapter_;
    }

  private:
    void ReleaseBook() {
        adapter_.reset();
        if (book_ != nullptr) {
            book_->Release();
            book_ = nullptr;
        }
    }

    HMODULE messagingLibrary_ = nullptr;
    bool initialized_ = false;  // MAPIInitialize succeeded: MAPIUninitialize is owed
    HMODULE wabLibrary_ = nullptr;
    IWABObject* wabObject_ = nullptr;
    IMAPISession* session_ = nullptr;
    IAddrBook* book_ = nullptr;
    BufferConvention buffers_{messagingLibrary_, wabObject_};
    std::optional<MapiAddressBook> adapter_;
};

}  // namespace

std::unique_ptr<AddressBookConnection> MakePlatformConnection() {
    return std::make_unique<Win32Connection>();
}

}  // namespace addressbook
