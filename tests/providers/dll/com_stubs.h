#pragma once

// Every method of the interfaces the test libraries serve, answering "not supported"; the
// objects override the few the tool calls. Reference counting is counted in the ledger.
#include "tests/providers/dll/mapi_headers.h"
#include "tests/providers/dll/provider_ledger.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

#define PROVIDER_NOT_SUPPORTED \
    { return MAPI_E_NO_SUPPORT; }

namespace providers {

// IUnknown for one interface: the object lives while references are held.
template <typename Interface>
class Counted : public Interface {
  public:
    Counted() { ++Ledger().liveReferences; }
    virtual ~Counted() = default;
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        ++Ledger().liveReferences;
        return ++references_;
    }
    ULONG STDMETHODCALLTYPE Release() override {
        --Ledger().liveReferences;
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

  private:
    ULONG references_ = 1;
};

class SessionStub : public Counted<IMAPISession> {
  public:
    MAPI_IMAPISESSION_METHODS(PROVIDER_NOT_SUPPORTED)
};

class AddrBookStub : public Counted<IAddrBook> {
  public:
    MAPI_IMAPIPROP_METHODS(PROVIDER_NOT_SUPPORTED)
    MAPI_IADDRBOOK_METHODS(PROVIDER_NOT_SUPPORTED)
};

class MailUserStub : public Counted<IMailUser> {
  public:
    MAPI_IMAPIPROP_METHODS(PROVIDER_NOT_SUPPORTED)
};

class DistListStub : public Counted<IDistList> {
  public:
    MAPI_IMAPIPROP_METHODS(PROVIDER_NOT_SUPPORTED)
    MAPI_IMAPICONTAINER_METHODS(PROVIDER_NOT_SUPPORTED)
    MAPI_IDISTLIST_METHODS(PROVIDER_NOT_SUPPORTED)
};

class TableStub : public Counted<IMAPITable> {
  public:
    MAPI_IMAPITABLE_METHODS(PROVIDER_NOT_SUPPORTED)
};

class WabObjectStub : public Counted<IWABObject> {
  public:
    WAB_IWABOBJECT_METHODS(PROVIDER_NOT_SUPPORTED)
};

}  // namespace providers

#undef PROVIDER_NOT_SUPPORTED
#pragma GCC diagnostic pop
