#pragma once

#include <limits>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <vector>

#include "ui/backend.h"
#include "ui/headless/headless_user.h"
#include "ui/headless/headless_window.h"

namespace ui::headless {

// A user action the real screen would not allow (a hidden button, a missing item).
class ActionRefused : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Windows and controls as data. Dialogs run synchronously: RunModal hands the new dialog to the
// user, who acts on it through the user actions below until it has ended.
class HeadlessBackend : public Backend {
  public:
    explicit HeadlessBackend(HeadlessUser& user) : user_(user) {}

    // A window of another process that has gone: a message box it would own cannot be shown.
    void OutsideWindowClosed(WindowHandle window) { closedOutside_.insert(window); }
    // Lists answer LB_ERRSPACE once all of them together hold this many items, as when memory
    // runs out.
    void LimitListItems(std::size_t items) { listItemLimit_ = items; }

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

    // What a user does, with the notifications the real controls send. Each throws
    // ActionRefused where a user could not do it.
    void Click(WindowHandle dialog, int id);
    void PickComboItem(WindowHandle dialog, int id, int index);
    void ClickListItem(WindowHandle dialog, int id, int index);
    void ControlClickListItem(WindowHandle dialog, int id, int index);
    void SelectAllListItems(WindowHandle dialog, int id, bool select);
    void DoubleClickListItem(WindowHandle dialog, int id, int index);
    // False when the edit's limit refuses the character.
    bool TypeCharacter(WindowHandle dialog, int id, char character);
    void ClearEdit(WindowHandle dialog, int id);
    void PressKey(WindowHandle dialog, int id, int key);
    void ClickCloseBox(WindowHandle dialog);

    // What a user sees.
    const HeadlessWindow* FindWindow(WindowHandle window) const;
    const ControlState& FindControl(WindowHandle dialog, int id) const;
    // The modal dialogs, outermost first.
    std::vector<const HeadlessWindow*> OpenDialogs() const;
    bool HasEnded(WindowHandle dialog) const;
    WindowHandle Foreground() const { return foreground_; }

  private:
    HeadlessWindow& Window(WindowHandle window);
    ControlState& Control(WindowHandle dialog, int id);
    ControlState& List(WindowHandle dialog, int id, ListKind kind);
    ControlState& UsableControl(WindowHandle dialog, int id);
    void Notify(WindowHandle dialog, int id, int notification);
    // Whether the lists have room for this many more items under the limit.
    bool ListsHaveRoom(std::size_t more) const;

    HeadlessUser& user_;
    std::map<WindowHandle, std::unique_ptr<HeadlessWindow>> windows_;
    std::vector<WindowHandle> modalStack_;
    WindowHandle nextHandle_ = 0x100;
    WindowHandle foreground_ = 0;
    std::set<WindowHandle> closedOutside_;
    std::size_t listItemLimit_ = std::numeric_limits<std::size_t>::max();
};

}  // namespace ui::headless
