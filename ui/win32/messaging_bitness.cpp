#include "ui/win32/messaging_bitness.h"

#include <string>

#include "ui/win32/registry_text.h"

namespace ui {
namespace {

constexpr char kMailClients[] = "Software\\Clients\\Mail";

bool ReadAt(HANDLE file, LONG offset, void* buffer, DWORD size) {
    DWORD read = 0;
    return SetFilePointer(file, offset, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
           ReadFile(file, buffer, size, &read, nullptr) && read == size;
}

// 32 or 64 from the machine field of a PE file's header, 0 when it is none.
int LibraryBits(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    IMAGE_DOS_HEADER dos{};
    DWORD signature = 0;
    IMAGE_FILE_HEADER header{};
    const bool read =
        ReadAt(file, 0, &dos, sizeof dos) && dos.e_magic == IMAGE_DOS_SIGNATURE &&
        dos.e_lfanew > 0 && ReadAt(file, dos.e_lfanew, &signature, sizeof signature) &&
        signature == IMAGE_NT_SIGNATURE && ReadAt(file, dos.e_lfanew + 4, &header, sizeof header);
    CloseHandle(file);
    if (!read) {
        return 0;
    }
    switch (header.Machine) {
        case IMAGE_FILE_MACHINE_I386:
            return 32;
        case IMAGE_FILE_MACHINE_AMD64:
        case IMAGE_FILE_MACHINE_ARM64:
            return 64;
        default:
            return 0;
    }
}

// The library the mail client of that view routes MAPI calls to; the extended one wins.
int DefaultClientBits(REGSAM view) {
    const auto client = ReadMachineString(kMailClients, "", view);
    if (!client || client->empty()) {
        return 0;
    }
    const std::string key = std::string(kMailClients) + "\\" + *client;
    for (const char* value : {"DLLPathEx", "DLLPath"}) {
        if (const auto path = ReadMachineString(key, value, view); path && !path->empty()) {
            if (const int bits = LibraryBits(*path)) {
                return bits;
            }
        }
    }
    return 0;
}

}  // namespace

int MessagingSystemBits() {
    if (const int bits = DefaultClientBits(OwnRegistryView())) {
        return bits;
    }
    return DefaultClientBits(OtherRegistryView());
}

}  // namespace ui
