// Planted by the Windows scenarios beside the user's files under the name of a library the tool
// may load: leaves a mark in the ledger folder when it is loaded, which must never happen.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
    char folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("FAXIMPORT_TEST_LEDGER", folder, MAX_PATH);
    if (reason == DLL_PROCESS_ATTACH && length != 0 && length < MAX_PATH - 20) {
        lstrcatA(folder, "planted.loaded");
        const HANDLE mark = CreateFileA(folder, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (mark != INVALID_HANDLE_VALUE) {
            CloseHandle(mark);
        }
    }
    return TRUE;
}
