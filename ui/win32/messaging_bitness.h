#pragma once

namespace ui {

inline constexpr int kOwnBits = sizeof(void*) == 8 ? 64 : 32;

// The bitness of the installed messaging system: the machine type of the library that the
// default mail client under HKLM\Software\Clients\Mail names, read in this program's registry
// view first, then in the other. 0 when no client or library is found or its type is unknown.
int MessagingSystemBits();

}  // namespace ui
