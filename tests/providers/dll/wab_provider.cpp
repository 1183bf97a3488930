// The WAB library of the Windows scenarios: opens the scenario's address book as its `wab`
// statements say.
#include <cstddef>

#include "tests/providers/dll/com_stubs.h"
#include "tests/providers/dll/provider_address_book.h"

namespace {

using namespace providers;

class WabObject : public WabObjectStub {
  public:
    HRESULT STDMETHODCALLTYPE AllocateBuffer(ULONG size, void** buffer) override {
        *buffer = AllocateCounted(size);
        return *buffer == nullptr ? MAPI_E_NOT_ENOUGH_MEMORY : S_OK;
    }
    HRESULT STDMETHODCALLTYPE FreeBuffer(void* buffer) override {
        if (buffer != nullptr) {
            FreeCounted(buffer);
        }
        return S_OK;
    }
};

// The record without the profile GUID, as the tool passes it.
constexpr ULONG kShortParamSize = offsetof(WAB_PARAM, guidPSExt);

}  // namespace

extern "C" {

HRESULT WINAPI WABOpen(IAddrBook** addressBook, IWABObject** wabObject, WAB_PARAM* parameters,
                       DWORD reserved) {
    *addressBook = nullptr;
    *wabObject = nullptr;
    // The default file is asked for with an empty name, never a null one.
    if (parameters == nullptr || parameters->cbSize != kShortParamSize ||
        parameters->hwnd != nullptr || parameters->szFileName == nullptr ||
        parameters->ulFlags != 0 || reserved != 0) {
        Refuse("WABOpen");
        return E_INVALIDARG;
    }
    const MemoryBook* book = ScenarioBook();
    if (book == nullptr || book->Libraries().wabOpen == "fail") {
        return MAPI_E_CALL_FAILED;
    }
    *addressBook = NewAddressBook(*book);
    *wabObject = new WabObject();
    return book->Libraries().wabOpen == "warning" ? MAPI_W_ERRORS_RETURNED : S_OK;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
    if (reason == DLL_PROCESS_DETACH) {
        WriteLedger("wab32");
    }
    return TRUE;
}

}  // extern "C"
