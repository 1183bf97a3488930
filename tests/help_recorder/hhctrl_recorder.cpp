// A stand-in for the system's HTML Help viewer that the Windows runner installs: it shows
// nothing and writes every topic asked for, one line "CONTEXT<TAB>FILE" each, to the ledger file
// named by FAXIMPORT_HELP_LEDGER.
#include <windows.h>

namespace {

constexpr UINT kHelpContext = 0x000F;  // HH_HELP_CONTEXT

void Append(const char* ledger, const char* text, DWORD length) {
    const HANDLE file = CreateFileA(ledger, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, text, length, &written, nullptr);
    CloseHandle(file);
}

}  // namespace

extern "C" HWND WINAPI RecordHelpCall(HWND, LPCSTR file, UINT command, DWORD_PTR data) {
    char ledger[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("FAXIMPORT_HELP_LEDGER", ledger, MAX_PATH);
    if (command != kHelpContext || file == nullptr || length == 0 || length >= MAX_PATH)
        return nullptr;
    char line[MAX_PATH + 32];
    const int size = wsprintfA(line, "%lu\t%s\r\n", static_cast<unsigned long>(data), file);
    if (size > 0)
        Append(ledger, line, static_cast<DWORD>(size));
    return nullptr;
}
