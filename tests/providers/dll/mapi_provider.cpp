// The messaging library of the Windows scenarios: logs on and opens the scenario's address book
// as its `mapi` statements say.
#include "tests/providers/dll/com_stubs.h"
#include "tests/providers/dll/provider_address_book.h"

namespace {

using namespace providers;

class Session : public SessionStub {
  public:
    explicit Session(const MemoryBook& book) : book_(book) {}

    HRESULT STDMETHODCALLTYPE OpenAddressBook(ULONG_PTR, const IID* interfaceId, ULONG flags,
                                              IAddrBook** addressBook) override {
        *addressBook = nullptr;
        if (interfaceId != nullptr || flags != 0) {
            Refuse("OpenAddressBook");
            return MAPI_E_INVALID_PARAMETER;
        }
        const std::string& answer = book_.Libraries().addressBook;
        if (answer == "fail") {
            return MAPI_E_CALL_FAILED;
        }
        *addressBook = NewAddressBook(book_);
        return answer == "warning" ? MAPI_W_ERRORS_RETURNED : S_OK;
    }

    HRESULT STDMETHODCALLTYPE Logoff(ULONG_PTR, ULONG flags, ULONG reserved) override {
        if (flags != MAPI_LOGOFF_UI || reserved != 0) {
            Refuse("Logoff");
            return MAPI_E_INVALID_PARAMETER;
        }
        loggedOff_ = true;
        return S_OK;
    }

    ~Session() override {
        if (!loggedOff_) {
            Refuse("Release of the session before Logoff");
        }
    }

  private:
    const MemoryBook& book_;
    bool loggedOff_ = false;
};

int initialized = 0;

}  // namespace

extern "C" {

HRESULT WINAPI MAPIInitialize(void* initialization) {
    if (initialization != nullptr) {
        Refuse("MAPIInitialize");
    }
    const MemoryBook* book = ScenarioBook();
    if (book != nullptr && book->Libraries().initialize == "fail") {
        return MAPI_E_CALL_FAILED;
    }
    ++initialized;
    return S_OK;
}

// Owed only after an initialisation that succeeded.
void WINAPI MAPIUninitialize() {
    if (--initialized != 0) {
        Refuse("MAPIUninitialize");
    }
}

HRESULT WINAPI MAPILogonEx(ULONG_PTR, char* profile, char* password, ULONG flags,
                           IMAPISession** session) {
    *session = nullptr;
    if (profile != nullptr || password != nullptr ||
        flags != (MAPI_LOGON_UI | MAPI_EXTENDED | MAPI_NO_MAIL) || initialized != 1) {
        Refuse("MAPILogonEx");
        return MAPI_E_INVALID_PARAMETER;
    }
    const MemoryBook* book = ScenarioBook();
    if (book == nullptr) {
        return MAPI_E_LOGON_FAILED;
    }
    const std::string& answer = book->Libraries().logon;
    if (answer == "cancel") {
        return MAPI_E_USER_CANCEL;
    }
    if (answer == "fail") {
        return MAPI_E_LOGON_FAILED;
    }
    *session = new Session(*book);
    return S_OK;
}

SCODE WINAPI MAPIAllocateBuffer(ULONG size, void** buffer) {
    *buffer = AllocateCounted(size);
    return *buffer == nullptr ? MAPI_E_NOT_ENOUGH_MEMORY : S_OK;
}

ULONG WINAPI MAPIFreeBuffer(void* buffer) {
    if (buffer != nullptr) {
        FreeCounted(buffer);
    }
    return S_OK;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
    if (reason == DLL_PROCESS_DETACH) {
        if (initialized != 0) {
            Refuse("unloaded while initialised");
        }
        WriteLedger("mapi32");
    }
    return TRUE;
}

}  // extern "C"
