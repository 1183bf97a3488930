#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialog.h"

namespace ui {

// A control of a dialog, bound by id once the dialog's window exists.
class Control {
  public:
    void Bind(Dialog& dialog, int id) {
        dialog_ = &dialog;
        id_ = id;
    }
    int Id() const { return id_; }
    void SetText(std::string_view text) { backend().SetText(window(), id_, text); }
    std::string GetText() const { return backend().GetText(window(), id_); }
    void Enable(bool enable) { backend().Enable(window(), id_, enable); }
    void Show(bool show) { backend().Show(window(), id_, show); }

  protected:
    Backend& backend() const { return dialog_->backend(); }
    WindowHandle window() const { return dialog_->Handle(); }

  private:
    Dialog* dialog_ = nullptr;
    int id_ = 0;
};

class Static : public Control {};

class Button : public Control {
  public:
    void SetCheck(bool checked) { backend().SetCheck(window(), Id(), checked); }
    bool IsChecked() const { return backend().IsChecked(window(), Id()); }
};

class Edit : public Control {
  public:
    void LimitText(int limit) { backend().LimitText(window(), Id(), limit); }
    void SetTabStops(std::initializer_list<int> stops) {
        backend().SetEditTabStops(window(), Id(),
                                  std::span<const int>(stops.begin(), stops.size()));
    }
};

// Operations shared by list boxes and combo boxes.
template <ListKind kKind>
class ListControl : public Control {
  public:
    void ResetContent() { backend().ResetContent(window(), Id(), kKind); }
    int AddString(std::string_view text) {
        return backend().AddString(window(), Id(), kKind, text);
    }
    int GetCount() const { return backend().GetCount(window(), Id(), kKind); }
    std::string GetItemText(int index) const {
        return backend().GetItemText(window(), Id(), kKind, index);
    }
    void SetItemData(int index, std::intptr_t data) {
        backend().SetItemData(window(), Id(), kKind, index, data);
    }
    std::intptr_t GetItemData(int index) const {
        return backend().GetItemData(window(), Id(), kKind, index);
    }
    int SetCurSel(int index) { return backend().SetCurSel(window(), Id(), kKind, index); }
    int GetCurSel() const { return backend().GetCurSel(window(), Id(), kKind); }
    int FindString(int start, std::string_view prefix) const {
        return backend().FindString(window(), Id(), kKind, start, prefix);
    }
};

class ComboBox : public ListControl<ListKind::ComboBox> {};

class ListBox : public ListControl<ListKind::ListBox> {
  public:
    bool AddItems(std::span<const ListEntry> entries) {
        return backend().AddItems(window(), Id(), entries);
    }
    int DeleteString(int index) {
        return backend().DeleteString(window(), Id(), ListKind::ListBox, index);
    }
    void SetSel(int index, bool select) { backend().SetSel(window(), Id(), index, select); }
    int GetSelCount() const { return backend().GetSelCount(window(), Id()); }
    std::vector<int> GetSelItems() const { return backend().GetSelItems(window(), Id()); }
    void SetTopIndex(int index) { backend().SetTopIndex(window(), Id(), index); }
    void SetTabStops(std::initializer_list<int> stops) {
        backend().SetTabStops(window(), Id(), std::span<const int>(stops.begin(), stops.size()));
    }
    void SetRedraw(bool redraw) { backend().SetRedraw(window(), Id(), redraw); }
};

}  // namespace ui
