#include "ui/win32/win32_backend.h"

#include <algorithm>
#include <exception>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialog.h"
#include "ui/win32/owner_guard.h"

namespace ui {
namespace {

// What the procedure of a modal dialog works with. An exception thrown by a handler is kept
// here until DialogBoxParam has returned: it must not unwind through USER32's frames.
struct ModalContext {
    Dialog& dialog;
    std::exception_ptr failure;
};

INT_PTR RouteToDialog(Dialog& dialog, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return dialog.HandleInitDialog(ToHandle(window)) ? TRUE : FALSE;
        case WM_COMMAND:
            dialog.HandleCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_CLOSE:
            dialog.HandleCommand(kIdCancel, kNotifyClicked);
            return TRUE;
        case WM_VKEYTOITEM:
            // Returned as the message result itself, not through DWLP_MSGRESULT.
            return dialog.HandleVKeyToItem(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)),
                                           LOWORD(wParam), HIWORD(wParam));
        default:
            return FALSE;
    }
}

// The answer when the dialog object is not asked: a list box leaves the key alone.
INT_PTR UnroutedResult(UINT message) {
    return message == WM_VKEYTOITEM ? kKeyHandled : FALSE;
}

INT_PTR CALLBACK ModalDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
    }
    auto* context = reinterpret_cast<ModalContext*>(GetWindowLongPtrA(window, DWLP_USER));
    if (context == nullptr) {
        return FALSE;
    }
    if (message == WM_DESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        context->dialog.HandleDestroyed();
        return FALSE;
    }
    if (context->failure) {
        return UnroutedResult(message);
    }
    try {
        return RouteToDialog(context->dialog, window, message, wParam, lParam);
    } catch (...) {
        context->failure = std::current_exception();
        ::EndDialog(window, -1);
        return UnroutedResult(message);
    }
}

INT_PTR CALLBACK ModelessDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// Paints a window that was just shown, and its controls, while its thread goes on working.
void PaintPendingMessages(HWND window) {
    MSG message;
    while (PeekMessageA(&message, window, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

// The ANSI code page text, as the ANSI messages would deliver it.
std::string NarrowText(std::wstring_view wide) {
    const int wideLength = static_cast<int>(wide.size());
    const int size =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, text.data(), size, nullptr, nullptr);
    return text;
}

LPARAM TextParam(const std::string& text) {
    return reinterpret_cast<LPARAM>(text.c_str());
}

LPARAM StopsParam(std::span<const int> stops) {
    return stops.empty() ? 0 : reinterpret_cast<LPARAM>(stops.data());
}

// The list-box message and its combo-box twin.
UINT ListMessage(ListKind kind, UINT listBoxMessage, UINT comboBoxMessage) {
    return kind == ListKind::ListBox ? listBoxMessage : comboBoxMessage;
}

std::wstring WideText(std::string_view text) {
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (size <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), size);
    return wide;
}

// The indices of the entries in the order of their sort keys in the list box's locale, ignoring
// case: the order in which a sorted box keeps them.
std::vector<std::size_t> SortKeyOrder(HWND list, std::span<const ListEntry> entries) {
    const auto locale = static_cast<LCID>(SendMessageA(list, LB_GETLOCALE, 0, 0));
    constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    std::vector<std::string> keys(entries.size());
    for (std::size_t e = 0; e < entries.size(); ++e) {
        const std::wstring wide = WideText(entries[e].text);
        const int size = LCMapStringW(locale, kFlags, wide.c_str(), -1, nullptr, 0);
        if (size > 0) {
            keys[e].resize(static_cast<std::size_t>(size));
            LCMapStringW(locale, kFlags, wide.c_str(), -1, reinterpret_cast<LPWSTR>(keys[e].data()),
                         size);
        }
    }
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    return order;
}

void SetEntryData(HWND list, int index, std::intptr_t data) {
    // A new item's data is 0 already.
    if (data != 0) {
        SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
    }
}

bool AddInGivenOrder(HWND list, std::span<const ListEntry> entries) {
    std::string text;
    for (const ListEntry& entry : entries) {
        text.assign(entry.text);
        const auto index = static_cast<int>(SendMessageA(list, LB_ADDSTRING, 0, TextParam(text)));
        if (index < 0) {
            return false;
        }
        SetEntryData(list, index, entry.data);
    }
    return true;
}

// A sorted box searches each new item's place and moves the items behind it; fed in its own
// order, every item lands at the end and nothing moves. Where one does not (an equal text, a box
// that sorts otherwise than its sort keys, or no memory), the box is emptied and false returned:
// only the given order tells where equal texts go.
bool AddInSortOrder(HWND list, std::span<const ListEntry> entries) {
    std::string text;
    LRESULT end = 0;
    for (const std::size_t e : SortKeyOrder(list, entries)) {
        text.assign(entries[e].text);
        if (SendMessageA(list, LB_ADDSTRING, 0, TextParam(text)) != end) {
            SendMessageA(list, LB_RESETCONTENT, 0, 0);
            return false;
        }
        SetEntryData(list, static_cast<int>(end), entries[e].data);
        ++end;
    }
    return true;
}

UINT MessageBoxStyle(MessageIcon icon, MessageButtons buttons) {
    UINT style = buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
    switch (icon) {
        case MessageIcon::Error:
            style |= MB_ICONERROR;
            break;
        case MessageIcon::Warning:
            style |= MB_ICONWARNING;
            break;
        case MessageIcon::Question:
            style |= MB_ICONQUESTION;
            break;
        case MessageIcon::Information:
            style |= MB_ICONINFORMATION;
            break;
        case MessageIcon::None:
            break;
    }
    return style;
}

}  // namespace

HWND Win32Backend::Control(WindowHandle dialog, int id) {
    return controls_.Find(ToHwnd(dialog), id);
}

LRESULT Win32Backend::Send(WindowHandle dialog, int id, UINT message, WPARAM wParam,
                           LPARAM lParam) {
    return SendMessageA(Control(dialog, id), message, wParam, lParam);
}

int Win32Backend::SendForInt(WindowHandle dialog, int id, UINT message, WPARAM wParam,
                             LPARAM lParam) {
    return static_cast<int>(Send(dialog, id, message, wParam, lParam));
}

int Win32Backend::RunModal(Dialog& dialog) {
    ModalContext context{dialog, nullptr};
    const INT_PTR code = DialogBoxParamA(module_, MAKEINTRESOURCEA(dialog.TemplateId()), nullptr,
                                         ModalDialogProc, reinterpret_cast<LPARAM>(&context));
    if (context.failure) {
        std::rethrow_exception(context.failure);
    }
    return static_cast<int>(code);
}

void Win32Backend::EndDialog(WindowHandle dialog, int code) {
    ::EndDialog(ToHwnd(dialog), code);
}

WindowHandle Win32Backend::CreateModeless(int templateId) {
    HWND window =
        CreateDialogParamA(module_, MAKEINTRESOURCEA(templateId), nullptr, ModelessDialogProc, 0);
    if (window == nullptr) {
        return 0;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    PaintPendingMessages(window);
    return ToHandle(window);
}

void Win32Backend::DestroyModeless(WindowHandle window) {
    DestroyWindow(ToHwnd(window));
}

void Win32Backend::BringToForeground(WindowHandle window) {
    SetForegroundWindow(ToHwnd(window));
}

void Win32Backend::SetTitle(WindowHandle dialog, std::string_view title) {
    SetWindowTextA(ToHwnd(dialog), std::string(title).c_str());
}

std::string Win32Backend::GetTitle(WindowHandle dialog) {
    return WindowText(ToHwnd(dialog));
}

void Win32Backend::SetText(WindowHandle dialog, int id, std::string_view text) {
    SetWindowTextA(Control(dialog, id), std::string(text).c_str());
}

std::string Win32Backend::GetText(WindowHandle dialog, int id) {
    return WindowText(Control(dialog, id));
}

void Win32Backend::Enable(WindowHandle dialog, int id, bool enable) {
    EnableWindow(Control(dialog, id), enable ? TRUE : FALSE);
}

void Win32Backend::Show(WindowHandle dialog, int id, bool show) {
    ShowWindow(Control(dialog, id), show ? SW_SHOW : SW_HIDE);
}

void Win32Backend::SetCheck(WindowHandle dialog, int id, bool checked) {
    Send(dialog, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Win32Backend::IsChecked(WindowHandle dialog, int id) {
    return Send(dialog, id, BM_GETCHECK) == BST_CHECKED;
}

void Win32Backend::LimitText(WindowHandle dialog, int id, int limit) {
    Send(dialog, id, EM_LIMITTEXT, static_cast<WPARAM>(limit));
}

void Win32Backend::SetEditTabStops(WindowHandle dialog, int id, std::span<const int> stops) {
    Send(dialog, id, EM_SETTABSTOPS, stops.size(), StopsParam(stops));
    // The edit control does not redraw text it already shows with the new stops.
    InvalidateRect(Control(dialog, id), nullptr, TRUE);
}

void Win32Backend::ResetContent(WindowHandle dialog, int id, ListKind kind) {
    Send(dialog, id, ListMessage(kind, LB_RESETCONTENT, CB_RESETCONTENT));
}

int Win32Backend::AddString(WindowHandle dialog, int id, ListKind kind, std::string_view text) {
    const std::string item(text);
    const int index =
        SendForInt(dialog, id, ListMessage(kind, LB_ADDSTRING, CB_ADDSTRING), 0, TextParam(item));
    // LB_ERRSPACE and CB_ERRSPACE are failures too.
    return index < 0 ? kListError : index;
}

int Win32Backend::DeleteString(WindowHandle dialog, int id, ListKind kind, int index) {
    return SendForInt(dialog, id, ListMessage(kind, LB_DELETESTRING, CB_DELETESTRING),
                      static_cast<WPARAM>(index));
}

int Win32Backend::GetCount(WindowHandle dialog, int id, ListKind kind) {
    return SendForInt(dialog, id, ListMessage(kind, LB_GETCOUNT, CB_GETCOUNT));
}

std::string Win32Backend::GetItemText(WindowHandle dialog, int id, ListKind kind, int index) {
    // Read as Unicode and converted here: Wine passes the ANSI forms of these messages through
    // a fixed 512-character stack buffer, which a longer item overruns.
    HWND control = Control(dialog, id);
    const auto length = static_cast<int>(SendMessageW(
        control, ListMessage(kind, LB_GETTEXTLEN, CB_GETLBTEXTLEN), static_cast<WPARAM>(index), 0));
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = static_cast<int>(
        SendMessageW(control, ListMessage(kind, LB_GETTEXT, CB_GETLBTEXT),
                     static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data())));
    if (copied <= 0) {
        return {};
    }
    return NarrowText(std::wstring_view(wide.data(), static_cast<std::size_t>(copied)));
}

void Win32Backend::SetItemData(WindowHandle dialog, int id, ListKind kind, int index,
                               std::intptr_t data) {
    Send(dialog, id, ListMessage(kind, LB_SETITEMDATA, CB_SETITEMDATA), static_cast<WPARAM>(index),
         static_cast<LPARAM>(data));
}

std::intptr_t Win32Backend::GetItemData(WindowHandle dialog, int id, ListKind kind, int index) {
    return static_cast<std::intptr_t>(Send(
        dialog, id, ListMessage(kind, LB_GETITEMDATA, CB_GETITEMDATA), static_cast<WPARAM>(index)));
}

int Win32Backend::SetCurSel(WindowHandle dialog, int id, ListKind kind, int index) {
    return SendForInt(dialog, id, ListMessage(kind, LB_SETCURSEL, CB_SETCURSEL),
                      static_cast<WPARAM>(index));
}

int Win32Backend::GetCurSel(WindowHandle dialog, int id, ListKind kind) {
    return SendForInt(dialog, id, ListMessage(kind, LB_GETCURSEL, CB_GETCURSEL));
}

int Win32Backend::FindString(WindowHandle dialog, int id, ListKind kind, int start,
                             std::string_view prefix) {
    const std::string text(prefix);
    return SendForInt(dialog, id, ListMessage(kind, LB_FINDSTRING, CB_FINDSTRING),
                      static_cast<WPARAM>(start), TextParam(text));
}

void Win32Backend::SetSel(WindowHandle dialog, int id, int index, bool select) {
    Send(dialog, id, LB_SETSEL, select ? TRUE : FALSE, index);
}

int Win32Backend::GetSelCount(WindowHandle dialog, int id) {
    return SendForInt(dialog, id, LB_GETSELCOUNT);
}

std::vector<int> Win32Backend::GetSelItems(WindowHandle dialog, int id) {
    const int count = GetSelCount(dialog, id);
    if (count <= 0) {
        return {};
    }
    std::vector<int> items(static_cast<std::size_t>(count));
    const int copied = SendForInt(dialog, id, LB_GETSELITEMS, items.size(),
                                  reinterpret_cast<LPARAM>(items.data()));
    items.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return items;
}

void Win32Backend::SetTopIndex(WindowHandle dialog, int id, int index) {
    Send(dialog, id, LB_SETTOPINDEX, static_cast<WPARAM>(index));
}

void Win32Backend::SetTabStops(WindowHandle dialog, int id, std::span<const int> stops) {
    Send(dialog, id, LB_SETTABSTOPS, stops.size(), StopsParam(stops));
}

void Win32Backend::SetRedraw(WindowHandle dialog, int id, bool redraw) {
    Send(dialog, id, WM_SETREDRAW, redraw ? TRUE : FALSE);
    if (redraw) {
        InvalidateRect(Control(dialog, id), nullptr, TRUE);
    }
}

bool Win32Backend::AddItems(WindowHandle dialog, int id, std::span<const ListEntry> entries) {
    HWND list = Control(dialog, id);
    std::size_t textBytes = 0;
    for (const ListEntry& entry : entries) {
        textBytes += entry.text.size() + 1;
    }
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_INITSTORAGE, entries.size(), static_cast<LPARAM>(textBytes));
    const bool sorted = (GetWindowLongA(list, GWL_STYLE) & LBS_SORT) != 0 &&
                        SendMessageA(list, LB_GETCOUNT, 0, 0) == 0;
    const bool added = (sorted && AddInSortOrder(list, entries)) || AddInGivenOrder(list, entries);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    return added;
}

MessageAnswer Win32Backend::ShowMessage(WindowHandle owner, std::string_view text,
                                        std::string_view caption, MessageIcon icon,
                                        MessageButtons buttons) {
    const KeepOwnerDisabled ownerState(ToHwnd(owner));
    const int answer = MessageBoxA(ToHwnd(owner), std::string(text).c_str(),
                                   std::string(caption).c_str(), MessageBoxStyle(icon, buttons));
    // A box that could not be shown confirms nothing.
    return answer == 0 ? MessageAnswer::Cancel : static_cast<MessageAnswer>(answer);
}

}  // namespace ui
