#include "ui/headless/headless_backend.h"

#include <algorithm>
#include <new>
#include <numeric>
#include <string>

#include "ui/headless/collation.h"
#include "ui/headless/sorted_insertion.h"

namespace ui::headless {

namespace {

std::string Describe(int id) {
    return "control " + std::to_string(id);
}

bool IsValidIndex(const ControlState& list, int index) {
    return index >= 0 && index < static_cast<int>(list.items.size());
}

void ScrollTo(ControlState& list, int index) {
    const int lastTop = std::max(0, static_cast<int>(list.items.size()) - list.visibleRows);
    list.topIndex = std::clamp(index, 0, lastTop);
}

}  // namespace

int HeadlessBackend::RunModal(Dialog& dialog) {
    const DialogTemplate* dialogTemplate = FindDialogTemplate(dialog.TemplateId());
    if (dialogTemplate == nullptr) {
        return -1;
    }
    const WindowHandle handle = nextHandle_++;
    auto window = std::make_unique<HeadlessWindow>(BuildWindow(*dialogTemplate, handle));
    window->dialog = &dialog;
    HeadlessWindow& created = *window;
    windows_.emplace(handle, std::move(window));
    modalStack_.push_back(handle);

    struct Teardown {
        HeadlessBackend& backend;
        Dialog& dialog;
        WindowHandle handle;
        ~Teardown() {
            std::erase(backend.modalStack_, handle);
            backend.windows_.erase(handle);
            dialog.HandleDestroyed();
        }
    } teardown{*this, dialog, handle};

    dialog.HandleInitDialog(handle);
    if (!created.ended) {
        user_.OnDialog(*this, handle);
    }
    if (!created.ended) {
        throw ActionRefused("the dialog \"" + created.title + "\" was left open");
    }
    return created.endCode;
}

void HeadlessBackend::EndDialog(WindowHandle dialog, int code) {
    HeadlessWindow& window = Window(dialog);
    window.ended = true;
    window.endCode = code;
}

WindowHandle HeadlessBackend::CreateModeless(int templateId) {
    const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId);
    if (dialogTemplate == nullptr) {
        return 0;
    }
    const WindowHandle handle = nextHandle_++;
    windows_.emplace(handle,
                     std::make_unique<HeadlessWindow>(BuildWindow(*dialogTemplate, handle)));
    return handle;
}

void HeadlessBackend::DestroyModeless(WindowHandle window) {
    windows_.erase(window);
}

void HeadlessBackend::BringToForeground(WindowHandle window) {
    foreground_ = window;
}

void HeadlessBackend::SetTitle(WindowHandle dialog, std::string_view title) {
    Window(dialog).title = title;
}

std::string HeadlessBackend::GetTitle(WindowHandle dialog) {
    return Window(dialog).title;
}

void HeadlessBackend::SetText(WindowHandle dialog, int id, std::string_view text) {
    ControlState& control = Control(dialog, id);
    control.text = text;
    // WM_SETTEXT reports a change only from a single-line edit.
    if (control.IsEdit() && !control.IsMultiLine()) {
        Notify(dialog, id, kNotifyEditChange);
    }
}

std::string HeadlessBackend::GetText(WindowHandle dialog, int id) {
    return Control(dialog, id).text;
}

void HeadlessBackend::Enable(WindowHandle dialog, int id, bool enable) {
    Control(dialog, id).enabled = enable;
}

void HeadlessBackend::Show(WindowHandle dialog, int id, bool show) {
    Control(dialog, id).visible = show;
}

void HeadlessBackend::SetCheck(WindowHandle dialog, int id, bool checked) {
    Control(dialog, id).checked = checked;
}

bool HeadlessBackend::IsChecked(WindowHandle dialog, int id) {
    return Control(dialog, id).checked;
}

void HeadlessBackend::LimitText(WindowHandle dialog, int id, int limit) {
    Control(dialog, id).textLimit = limit > 0 ? limit : 32767;
}

void HeadlessBackend::SetEditTabStops(WindowHandle dialog, int id, std::span<const int> stops) {
    Control(dialog, id).tabStops.assign(stops.begin(), stops.end());
}

void HeadlessBackend::ResetContent(WindowHandle dialog, int id, ListKind kind) {
    ControlState& list = List(dialog, id, kind);
    list.items.clear();
    list.currentSelection = -1;
    list.caret = 0;
    list.topIndex = 0;
    if (list.IsComboBox()) {
        list.text.clear();
    }
}

int HeadlessBackend::AddString(WindowHandle dialog, int id, ListKind kind, std::string_view text) {
    ControlState& list = List(dialog, id, kind);
    if (!ListsHaveRoom(1)) {
        return kListErrorSpace;
    }
    const int index =
        list.IsSorted() ? SortedPosition(
                              static_cast<int>(list.items.size()),
                              [&](int at) -> std::string_view { return list.items[at].text; }, text)
                        : static_cast<int>(list.items.size());
    try {
        list.items.insert(list.items.begin() + index, ListItem{std::string(text)});
    } catch (const std::bad_alloc&) {
        return kListErrorSpace;
    }
    if (list.currentSelection >= index) {
        ++list.currentSelection;
    }
    return index;
}

bool HeadlessBackend::AddItems(WindowHandle dialog, int id, std::span<const ListEntry> entries) {
    ControlState& list = List(dialog, id, ListKind::ListBox);
    if (!ListsHaveRoom(entries.size())) {
        return false;
    }
    // One insertion after another, each where the control's binary search puts it, but worked
    // out for all of them first so that the items are moved once.
    try {
        std::vector<std::string_view> texts;
        texts.reserve(entries.size());
        for (const ListEntry& entry : entries) {
            texts.push_back(entry.text);
        }
        std::vector<std::uint32_t> order;
        if (list.IsSorted()) {
            order = SortedInsertionOrder(list.items, texts);
        } else {
            order.resize(list.items.size() + entries.size());
            std::iota(order.begin(), order.end(), 0u);
        }
        std::vector<ListItem> items;
        items.reserve(order.size());
        const std::size_t existing = list.items.size();
        int currentSelection = -1;
        for (const std::uint32_t from : order) {
            if (from < existing) {
                if (static_cast<int>(from) == list.currentSelection) {
                    currentSelection = static_cast<int>(items.size());
                }
                items.push_back(list.items[from]);
            } else {
                const ListEntry& entry = entries[from - existing];
                items.push_back(ListItem{std::string(entry.text), entry.data});
            }
        }
        list.items = std::move(items);
        list.currentSelection = currentSelection;
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

int HeadlessBackend::DeleteString(WindowHandle dialog, int id, ListKind kind, int index) {
    ControlState& list = List(dialog, id, kind);
    if (!IsValidIndex(list, index)) {
        return kListError;
    }
    list.items.erase(list.items.begin() + index);
    if (list.currentSelection == index) {
        list.currentSelection = -1;
    } else if (list.currentSelection > index) {
        --list.currentSelection;
    }
    const int count = static_cast<int>(list.items.size());
    if (list.caret >= count) {
        list.caret = std::max(0, count - 1);
    }
    ScrollTo(list, list.topIndex);
    return count;
}

int HeadlessBackend::GetCount(WindowHandle dialog, int id, ListKind kind) {
    return static_cast<int>(List(dialog, id, kind).items.size());
}

std::string HeadlessBackend::GetItemText(WindowHandle dialog, int id, ListKind kind, int index) {
    const ControlState& list = List(dialog, id, kind);
    return IsValidIndex(list, index) ? list.items[index].text : std::string();
}

void HeadlessBackend::SetItemData(WindowHandle dialog, int id, ListKind kind, int index,
                                  std::intptr_t data) {
    ControlState& list = List(dialog, id, kind);
    if (IsValidIndex(list, index)) {
        list.items[index].data = data;
    }
}

std::intptr_t HeadlessBackend::GetItemData(WindowHandle dialog, int id, ListKind kind, int index) {
    const ControlState& list = List(dialog, id, kind);
    return IsValidIndex(list, index) ? list.items[index].data : kListError;
}

int HeadlessBackend::SetCurSel(WindowHandle dialog, int id, ListKind kind, int index) {
    ControlState& list = List(dialog, id, kind);
    if (list.IsMultipleSelection()) {
        return kListError;  // LB_SETCURSEL does nothing on a multiple-selection box
    }
    if (!IsValidIndex(list, index)) {
        list.currentSelection = -1;
        if (list.IsComboBox()) {
            list.text.clear();
        }
        return kListError;
    }
    list.currentSelection = index;
    if (list.IsComboBox()) {
        list.text = list.items[index].text;
    } else if (index < list.topIndex || index >= list.topIndex + list.visibleRows) {
        ScrollTo(list, index);
    }
    return index;
}

int HeadlessBackend::GetCurSel(WindowHandle dialog, int id, ListKind kind) {
    const ControlState& list = List(dialog, id, kind);
    return list.IsMultipleSelection() ? list.caret : list.currentSelection;
}

int HeadlessBackend::FindString(WindowHandle dialog, int id, ListKind kind, int start,
                                std::string_view prefix) {
    const ControlState& list = List(dialog, id, kind);
    const int count = static_cast<int>(list.items.size());
    if (prefix.empty() || count == 0) {
        return kListError;
    }
    int index = start + 1;
    if (index < 0 || index >= count) {
        index = 0;
    }
    for (int probed = 0; probed < count; ++probed, ++index) {
        if (index == count) {
            index = 0;
        }
        const std::string_view text = list.items[index].text;
        if (StartsWithIgnoringAsciiCase(text, prefix)) {
            return index;
        }
        // Both Windows and Wine let "[name]" and "[-x-]" items match after their bracket.
        if (!text.empty() && text[0] == '[') {
            if (StartsWithIgnoringAsciiCase(text.substr(1), prefix) ||
                (text.size() > 1 && text[1] == '-' &&
                 StartsWithIgnoringAsciiCase(text.substr(2), prefix))) {
                return index;
            }
        }
    }
    return kListError;
}

void HeadlessBackend::SetSel(WindowHandle dialog, int id, int index, bool select) {
    ControlState& list = List(dialog, id, ListKind::ListBox);
    if (!list.IsMultipleSelection()) {
        return;
    }
    if (index == -1) {
        for (ListItem& item : list.items) {
            item.selected = select;
        }
        return;
    }
    if (IsValidIndex(list, index)) {
        list.items[index].selected = select;
        if (select) {
            list.caret = index;
        }
    }
}

int HeadlessBackend::GetSelCount(WindowHandle dialog, int id) {
    const ControlState& list = List(dialog, id, ListKind::ListBox);
    if (!list.IsMultipleSelection()) {
        return kListError;
    }
    return static_cast<int>(std::count_if(list.items.begin(), list.items.end(),
                                          [](const ListItem& item) { return item.selected; }));
}

std::vector<int> HeadlessBackend::GetSelItems(WindowHandle dialog, int id) {
    const ControlState& list = List(dialog, id, ListKind::ListBox);
    std::vector<int> selected;
    if (list.IsMultipleSelection()) {
        for (int i = 0; i < static_cast<int>(list.items.size()); ++i) {
            if (list.items[i].selected) {
                selected.push_back(i);
            }
        }
    }
    return selected;
}

void HeadlessBackend::SetTopIndex(WindowHandle dialog, int id, int index) {
    ControlState& list = List(dialog, id, ListKind::ListBox);
    if (IsValidIndex(list, index)) {
        ScrollTo(list, index);
    }
}

void HeadlessBackend::SetTabStops(WindowHandle dialog, int id, std::span<const int> stops) {
    List(dialog, id, ListKind::ListBox).tabStops.assign(stops.begin(), stops.end());
}

void HeadlessBackend::SetRedraw(WindowHandle dialog, int id, bool) {
    Control(dialog, id);
}

bool HeadlessBackend::ListsHaveRoom(std::size_t more) const {
    if (listItemLimit_ == std::numeric_limits<std::size_t>::max()) {
        return true;
    }
    std::size_t held = 0;
    for (const auto& [handle, window] : windows_) {
        for (const ControlState& control : window->controls) {
            held += control.items.size();
        }
    }
    return held <= listItemLimit_ && more <= listItemLimit_ - held;
}

MessageAnswer HeadlessBackend::ShowMessage(WindowHandle owner, std::string_view text,
                                           std::string_view caption, MessageIcon icon,
                                           MessageButtons buttons) {
    // MessageBox fails for an owner that has gone; the box is never seen.
    if (closedOutside_.contains(owner)) {
        return MessageAnswer::Cancel;
    }
    return user_.OnMessage(
        MessageRequest{owner, std::string(text), std::string(caption), icon, buttons});
}

void HeadlessBackend::Click(WindowHandle dialog, int id) {
    ControlState& button = UsableControl(dialog, id);
    if (!button.IsButton()) {
        throw ActionRefused(Describe(id) + " is not a button");
    }
    if (button.IsAutoCheckBox()) {
        button.checked = !button.checked;
    }
    Notify(dialog, id, kNotifyClicked);
}

void HeadlessBackend::PickComboItem(WindowHandle dialog, int id, int index) {
    ControlState& combo = UsableControl(dialog, id);
    if (!combo.IsComboBox() || !IsValidIndex(combo, index)) {
        throw ActionRefused(Describe(id) + " has no such item to pick");
    }
    combo.currentSelection = index;
    combo.text = combo.items[index].text;
    Notify(dialog, id, kNotifySelChange);
}

void HeadlessBackend::ClickListItem(WindowHandle dialog, int id, int index) {
    ControlState& list = UsableControl(dialog, id);
    if (!list.IsListBox() || !IsValidIndex(list, index)) {
        throw ActionRefused(Describe(id) + " has no such item to click");
    }
    if (list.IsMultipleSelection()) {
        for (ListItem& item : list.items) {
            item.selected = false;
        }
        list.items[index].selected = true;
        list.caret = index;
    } else {
        list.currentSelection = index;
    }
    if (index < list.topIndex || index >= list.topIndex + list.visibleRows) {
        ScrollTo(list, index);
    }
    if (list.Notifies()) {
        Notify(dialog, id, kNotifySelChange);
    }
}

void HeadlessBackend::ControlClickListItem(WindowHandle dialog, int id, int index) {
    ControlState& list = UsableControl(dialog, id);
    if (!list.IsMultipleSelection() || !IsValidIndex(list, index)) {
        throw ActionRefused(Describe(id) + " has no such item to select");
    }
    list.items[index].selected = !list.items[index].selected;
    list.caret = index;
    if (list.Notifies()) {
        Notify(dialog, id, kNotifySelChange);
    }
}

void HeadlessBackend::SelectAllListItems(WindowHandle dialog, int id, bool select) {
    ControlState& list = UsableControl(dialog, id);
    if (!list.IsMultipleSelection()) {
        throw ActionRefused(Describe(id) + " is not a multiple-selection list box");
    }
    for (ListItem& item : list.items) {
        item.selected = select;
    }
    if (list.Notifies()) {
        Notify(dialog, id, kNotifySelChange);
    }
}

void HeadlessBackend::DoubleClickListItem(WindowHandle dialog, int id, int index) {
    ClickListItem(dialog, id, index);
    if (!HasEnded(dialog) && List(dialog, id, ListKind::ListBox).Notifies()) {
        Notify(dialog, id, kNotifyDoubleClick);
        if (!HasEnded(dialog)) {
            Notify(dialog, id, kNotifySelChange);
        }
    }
}

bool HeadlessBackend::TypeCharacter(WindowHandle dialog, int id, char character) {
    ControlState& edit = UsableControl(dialog, id);
    if (!edit.IsEdit() || edit.IsReadOnly()) {
        throw ActionRefused(Describe(id) + " does not take typing");
    }
    if (static_cast<int>(edit.text.size()) >= edit.textLimit) {
        return false;
    }
    edit.text.push_back(character);
    Notify(dialog, id, kNotifyEditChange);
    return true;
}

void HeadlessBackend::ClearEdit(WindowHandle dialog, int id) {
    ControlState& edit = UsableControl(dialog, id);
    if (!edit.IsEdit() || edit.IsReadOnly()) {
        throw ActionRefused(Describe(id) + " cannot be cleared");
    }
    if (!edit.text.empty()) {
        edit.text.clear();
        Notify(dialog, id, kNotifyEditChange);
    }
}

void HeadlessBackend::PressKey(WindowHandle dialog, int id, int key) {
    ControlState& control = UsableControl(dialog, id);
    if (key == kKeyReturn) {
        if (control.IsMultiLine()) {
            return;
        }
        const HeadlessWindow& window = Window(dialog);
        const auto defaultButton =
            std::find_if(window.controls.begin(), window.controls.end(),
                         [](const ControlState& c) { return c.IsDefaultButton(); });
        Notify(dialog, defaultButton != window.controls.end() ? defaultButton->id : kIdOk,
               kNotifyClicked);
    } else if (key == kKeyEscape) {
        Notify(dialog, kIdCancel, kNotifyClicked);
    } else if (control.WantsKeyboardInput()) {
        // The list box's own default for other keys changes nothing the dialogs rely on.
        Window(dialog).dialog->HandleVKeyToItem(id, key, control.caret);
    }
}

void HeadlessBackend::ClickCloseBox(WindowHandle dialog) {
    Notify(dialog, kIdCancel, kNotifyClicked);
}

const HeadlessWindow* HeadlessBackend::FindWindow(WindowHandle window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : found->second.get();
}

const ControlState& HeadlessBackend::FindControl(WindowHandle dialog, int id) const {
    return const_cast<HeadlessBackend*>(this)->Control(dialog, id);
}

std::vector<const HeadlessWindow*> HeadlessBackend::OpenDialogs() const {
    std::vector<const HeadlessWindow*> open;
    for (const WindowHandle handle : modalStack_) {
        open.push_back(FindWindow(handle));
    }
    return open;
}

bool HeadlessBackend::HasEnded(WindowHandle dialog) const {
    const HeadlessWindow* window = FindWindow(dialog);
    return window == nullptr || window->ended;
}

HeadlessWindow& HeadlessBackend::Window(WindowHandle window) {
    const auto found = windows_.find(window);
    if (found == windows_.end()) {
        throw ActionRefused("no such window");
    }
    return *found->second;
}

ControlState& HeadlessBackend::Control(WindowHandle dialog, int id) {
    HeadlessWindow& window = Window(dialog);
    const auto found = std::find_if(window.controls.begin(), window.controls.end(),
                                    [id](const ControlState& c) { return c.id == id; });
    if (found == window.controls.end()) {
        throw ActionRefused("\"" + window.title + "\" has no " + Describe(id));
    }
    return *found;
}

ControlState& HeadlessBackend::List(WindowHandle dialog, int id, ListKind kind) {
    ControlState& control = Control(dialog, id);
    const bool matches = kind == ListKind::ListBox ? control.IsListBox() : control.IsComboBox();
    if (!matches) {
        throw ActionRefused(Describe(id) + " is not a " +
                            (kind == ListKind::ListBox ? "list box" : "combo box"));
    }
    return control;
}

ControlState& HeadlessBackend::UsableControl(WindowHandle dialog, int id) {
    ControlState& control = Control(dialog, id);
    if (Window(dialog).ended) {
        throw ActionRefused("the dialog has ended");
    }
    if (!control.visible || !control.enabled) {
        throw ActionRefused(Describe(id) + (control.visible ? " is disabled" : " is hidden"));
    }
    return control;
}

void HeadlessBackend::Notify(WindowHandle dialog, int id, int notification) {
    HeadlessWindow& window = Window(dialog);
    if (window.dialog != nullptr && !window.ended) {
        window.dialog->HandleCommand(id, notification);
    }
}

}  // namespace ui::headless
