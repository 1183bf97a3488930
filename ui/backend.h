#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/message_box.h"
#include "ui/window_handle.h"

namespace ui {

class Dialog;

// Which family of messages a list operation uses: LB_* or CB_*.
enum class ListKind { ListBox, ComboBox };

struct ListEntry {
    std::string_view text;
    std::intptr_t data = 0;
};

// Windows and controls. Controls are named by their dialog and their id, as GetDlgItem does.
class Backend {
  public:
    virtual ~Backend() = default;

    // Creates the dialog from its template, runs it modally without a parent window and returns
    // its end code, or -1 when it cannot be created.
    virtual int RunModal(Dialog& dialog) = 0;
    virtual void EndDialog(WindowHandle dialog, int code) = 0;
    // A window on a template without buttons or handlers; 0 when it cannot be created.
    virtual WindowHandle CreateModeless(int templateId) = 0;
    virtual void DestroyModeless(WindowHandle window) = 0;
    virtual void BringToForeground(WindowHandle window) = 0;

    virtual void SetTitle(WindowHandle dialog, std::string_view title) = 0;
    virtual std::string GetTitle(WindowHandle dialog) = 0;
    virtual void SetText(WindowHandle dialog, int id, std::string_view text) = 0;
    virtual std::string GetText(WindowHandle dialog, int id) = 0;
    virtual void Enable(WindowHandle dialog, int id, bool enable) = 0;
    virtual void Show(WindowHandle dialog, int id, bool show) = 0;
    virtual void SetCheck(WindowHandle dialog, int id, bool checked) = 0;
    virtual bool IsChecked(WindowHandle dialog, int id) = 0;
    virtual void LimitText(WindowHandle dialog, int id, int limit) = 0;
    virtual void SetEditTabStops(WindowHandle dialog, int id, std::span<const int> stops) = 0;

    virtual void ResetContent(WindowHandle dialog, int id, ListKind kind) = 0;
    // Appends, or inserts in sorted order for a sorted box; returns the new index or -1.
    virtual int AddString(WindowHandle dialog, int id, ListKind kind, std::string_view text) = 0;
    // AddString and SetItemData for each entry in turn; false when the list could not take them
    // all (LB_ERRSPACE): the list then holds some of them at most.
    virtual bool AddItems(WindowHandle dialog, int id, std::span<const ListEntry> entries) = 0;
    virtual int DeleteString(WindowHandle dialog, int id, ListKind kind, int index) = 0;
    virtual int GetCount(WindowHandle dialog, int id, ListKind kind) = 0;
    virtual std::string GetItemText(WindowHandle dialog, int id, ListKind kind, int index) = 0;
    virtual void SetItemData(WindowHandle dialog, int id, ListKind kind, int index,
                             std::intptr_t data) = 0;
    virtual std::intptr_t GetItemData(WindowHandle dialog, int id, ListKind kind, int index) = 0;
    // Single selection: LB_SETCURSEL and CB_SETCURSEL (no notification).
    virtual int SetCurSel(WindowHandle dialog, int id, ListKind kind, int index) = 0;
    virtual int GetCurSel(WindowHandle dialog, int id, ListKind kind) = 0;
    // Case-insensitive prefix search from the item after start, wrapping; -1 when none.
    virtual int FindString(WindowHandle dialog, int id, ListKind kind, int start,
                           std::string_view prefix) = 0;

    // Multiple-selection list boxes.
    virtual void SetSel(WindowHandle dialog, int id, int index, bool select) = 0;  // -1: all
    virtual int GetSelCount(WindowHandle dialog, int id) = 0;
    virtual std::vector<int> GetSelItems(WindowHandle dialog, int id) = 0;
    virtual void SetTopIndex(WindowHandle dialog, int id, int index) = 0;
    virtual void SetTabStops(WindowHandle dialog, int id, std::span<const int> stops) = 0;
    // Turns redrawing off while a long list is filled, and back on.
    virtual void SetRedraw(WindowHandle dialog, int id, bool redraw) = 0;

    // Owner 0: no owner.
    virtual MessageAnswer ShowMessage(WindowHandle owner, std::string_view text,
                                      std::string_view caption, MessageIcon icon,
                                      MessageButtons buttons) = 0;
};

}  // namespace ui
