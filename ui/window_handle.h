#pragma once

#include <cstdint>

namespace ui {

// A window of the platform: HWND on Win32, a key of the in-memory backend elsewhere. 0 is none.
using WindowHandle = std::uintptr_t;

// Numbers shared with Win32 so that both backends route the same values.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

inline constexpr int kNotifyClicked = 0;          // BN_CLICKED
inline constexpr int kNotifySelChange = 1;        // LBN_SELCHANGE, CBN_SELCHANGE
inline constexpr int kNotifyDoubleClick = 2;      // LBN_DBLCLK
inline constexpr int kNotifyEditChange = 0x0300;  // EN_CHANGE

inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyDelete = 46;

// WM_VKEYTOITEM answers.
inline constexpr int kKeyDefaultAction = -1;
inline constexpr int kKeyHandled = -2;

inline constexpr int kListError = -1;       // LB_ERR, CB_ERR
inline constexpr int kListErrorSpace = -2;  // LB_ERRSPACE, CB_ERRSPACE: out of memory

}  // namespace ui
