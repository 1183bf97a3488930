#pragma once

#include "ui/backend.h"
#include "ui/win32/control_windows.h"
#include "ui/win32/windows_api.h"

namespace ui {

// Dialogs and controls of the dialog layer on USER32: each operation is the Win32 message or
// call that the framework's control classes would send.
class Win32Backend : public Backend {
  public:
    // Templates are loaded from this module's resources.
    explicit Win32Backend(HINSTANCE module) : module_(module) {}

    int RunModal(Dialog& dialog) override;
    void EndDialog(WindowHandle dialog, int code) override;
    WindowHandle CreateModeless(int templateId) override;
    void DestroyModeless(WindowHandle window) override;
    void BringToForeground(WindowHandle window) override;

    void SetTitle(WindowHandle dialog, std::string_view title) override;
    std::string GetTitle(WindowHandle dialog) override;
    void SetText(WindowHandle dialog, int id, std::string_view text) override;
    std::string GetText(WindowHandle dialog, int id) override;
    void Enable(WindowHandle dialog, int id, bool enable) override;
    void Show(WindowHandle dialog, int id, bool show) override;
    void SetCheck(WindowHandle dialog, int id, bool checked) override;
    bool IsChecked(WindowHandle dialog, int id) override;
    void LimitText(WindowHandle dialog, int id, int limit) override;
    void SetEditTabStops(WindowHandle dialog, int id, std::span<const int> stops) override;

    void ResetContent(WindowHandle dialog, int id, ListKind kind) override;
    int AddString(WindowHandle dialog, int id, ListKind kind, std::string_view text) override;
    bool AddItems(WindowHandle dialog, int id, std::span<const ListEntry> entries) override;
    int DeleteString(WindowHandle dialog, int id, ListKind kind, int index) override;
    int GetCount(WindowHandle dialog, int id, ListKind kind) override;
    std::string GetItemText(WindowHandle dialog, int id, ListKind kind, int index) override;
    void SetItemData(WindowHandle dialog, int id, ListKind kind, int index,
                     std::intptr_t data) override;
    std::intptr_t GetItemData(WindowHandle dialog, int id, ListKind kind, int index) override;
    int SetCurSel(WindowHandle dialog, int id, ListKind kind, int index) override;
    int GetCurSel(WindowHandle dialog, int id, ListKind kind) override;
    int FindString(WindowHandle dialog, int id, ListKind kind, int start,
                   std::string_view prefix) override;

    void SetSel(WindowHandle dialog, int id, int index, bool select) override;
    int GetSelCount(WindowHandle dialog, int id) override;
    std::vector<int> GetSelItems(WindowHandle dialog, int id) override;
    void SetTopIndex(WindowHandle dialog, int id, int index) override;
    void SetTabStops(WindowHandle dialog, int id, std::span<const int> stops) override;
    void SetRedraw(WindowHandle dialog, int id, bool redraw) override;

    MessageAnswer ShowMessage(WindowHandle owner, std::string_view text, std::string_view caption,
                              MessageIcon icon, MessageButtons buttons) override;

  private:
    HWND Control(WindowHandle dialog, int id);
    LRESULT Send(WindowHandle dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    int SendForInt(WindowHandle dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    HINSTANCE module_;
    ControlWindows controls_;
};

}  // namespace ui
