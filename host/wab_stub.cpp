// The address-book library that a machine with `wab present` loads: it loads, so the tool
// offers the WAB source, but opening an address book through it fails.
#include <windows.h>

extern "C" __declspec(dllexport) HRESULT WINAPI WABOpen(void**, void**, void*, DWORD) {
    return E_FAIL;
}
