#include "host/tool_windows.h"

#include <algorithm>

#include "host/ansi_text.h"
#include "host/message_icon.h"
#include "host/tool_messages.h"

namespace host {

namespace {

constexpr char kProgressText[] = "Retrieving and validating fax records...";

struct Search {
    const std::vector<DWORD>& processIds;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (std::find(search->processIds.begin(), search->processIds.end(), owner) !=
            search->processIds.end() &&
        IsWindowVisible(window))
        search->windows.push_back(window);
    return TRUE;
}

std::vector<HWND> Children(HWND window) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

int ControlId(HWND control) {
    return GetDlgCtrlID(control) & 0xFFFF;
}

bool IsCheckable(HWND button) {
    switch (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return true;
        default:
            return false;
    }
}

std::string ItemText(HWND control, UINT lengthMessage, UINT textMessage, int index) {
    const LRESULT length = Ask(control, lengthMessage, index, 0);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = Ask(control, textMessage, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return ToAnsi(text);
}

std::vector<int> SelectedItems(HWND listBox) {
    const LRESULT count = Ask(listBox, LB_GETSELCOUNT, 0, 0);
    if (count <= 0)
        return {};
    std::vector<int> selected(static_cast<size_t>(count));
    const LRESULT read =
        Ask(listBox, LB_GETSELITEMS, count, reinterpret_cast<LPARAM>(selected.data()));
    selected.resize(read > 0 ? static_cast<size_t>(read) : 0);
    std::sort(selected.begin(), selected.end());
    return selected;
}

void ReadListBox(HWND control, scenario::ControlState& state) {
    const LRESULT count = Ask(control, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
        state.items.push_back(ItemText(control, LB_GETTEXTLEN, LB_GETTEXT, i));
    if (IsMultipleSelection(control)) {
        state.selected = SelectedItems(control);
    } else {
        const LRESULT current = Ask(control, LB_GETCURSEL, 0, 0);
        if (current >= 0 && current < count)
            state.selected.push_back(static_cast<int>(current));
    }
    state.topIndex = static_cast<int>(Ask(control, LB_GETTOPINDEX, 0, 0));
}

void ReadComboBox(HWND control, scenario::ControlState& state) {
    const LRESULT count = Ask(control, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        state.items.push_back(ItemText(control, CB_GETLBTEXTLEN, CB_GETLBTEXT, i));
    }
    const LRESULT current = Ask(control, CB_GETCURSEL, 0, 0);
    if (current >= 0 && current < count)
        state.selected.push_back(static_cast<int>(current));
}

}  // namespace

Reading ReadingFor(const std::string& verb) {
    static const char* const kItemVerbs[] = {"choose",    "select",       "dblclick", "dump",
                                             "see-items", "see-selected", "see-top"};
    for (const char* itemVerb : kItemVerbs) {
        if (verb == itemVerb)
            return Reading::Items;
    }
    return Reading::State;
}

scenario::ControlState ReadControl(HWND control, Reading reading) {
    scenario::ControlState state;
    state.id = ControlId(control);
    state.className = ClassName(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    state.visible = (style & WS_VISIBLE) != 0;
    state.enabled = (style & WS_DISABLED) == 0;
    if (state.className == "LISTBOX") {
        if (reading == Reading::Items)
            ReadListBox(control, state);
        return state;
    }
    state.text = WindowText(control);
    if (state.className == "COMBOBOX" && reading == Reading::Items)
        ReadComboBox(control, state);
    if (state.className == "BUTTON" && IsCheckable(control)) {
        state.checked = Ask(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    return state;
}

HWND ChildWithId(HWND window, int id) {
    for (HWND child : Children(window)) {
        if (ControlId(child) == id)
            return child;
    }
    return nullptr;
}

bool IsMultipleSelection(HWND listBox) {
    return (GetWindowLongW(listBox, GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) != 0;
}

std::vector<HWND> VisibleWindowsOf(const std::vector<DWORD>& processIds) {
    Search search{processIds, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

WindowKind Classify(HWND window) {
    if (ClassName(window) != "#32770")
        return WindowKind::Other;
    if (ChildWithId(window, kFileNameId) != nullptr)
        return WindowKind::FileDialog;
    const HWND text = ChildWithId(window, kMessageTextId);
    if (text != nullptr && ChildWithId(window, kMessageIconId) != nullptr) {
        return WindowKind::MessageBox;
    }
    bool hasButton = false;
    bool hasProgressText = false;
    for (HWND child : Children(window)) {
        hasButton = hasButton || ClassName(child) == "BUTTON";
        hasProgressText = hasProgressText || WindowText(child) == kProgressText;
    }
    if (hasProgressText && !hasButton)
        return WindowKind::ProgressNotice;
    return WindowKind::Dialog;
}

scenario::WindowState ReadWindow(HWND window) {
    scenario::WindowState state;
    state.title = WindowText(window);
    for (HWND child : Children(window))
        state.controls.push_back(ReadControl(child, Reading::Items));
    return state;
}

scenario::WindowState ReadForStatement(HWND window, const scenario::Statement& statement) {
    scenario::WindowState state;
    state.title = WindowText(window);
    if (statement.verb == "see-title")
        return state;
    if (HWND control = ChildWithId(window, std::stoi(statement.words[0])))
        state.controls.push_back(ReadControl(control, ReadingFor(statement.verb)));
    return state;
}

std::vector<scenario::WindowState> ReadAllWindows(const std::vector<DWORD>& processIds) {
    std::vector<HWND> windows = VisibleWindowsOf(processIds);
    std::reverse(windows.begin(), windows.end());
    std::vector<scenario::WindowState> states;
    for (HWND window : windows)
        states.push_back(ReadWindow(window));
    return states;
}

scenario::FileDialogState ReadFileDialog(HWND dialog) {
    scenario::FileDialogState state;
    if (HWND types = ChildWithId(dialog, kFileTypeId)) {
        const scenario::ControlState fileTypes = ReadControl(types, Reading::Items);
        state.filters = fileTypes.items;
        state.currentFilter = fileTypes.selected.empty() ? -1 : fileTypes.selected.front();
    }
    const HWND readOnly = ChildWithId(dialog, kReadOnlyBoxId);
    state.readOnlyBoxShown = readOnly != nullptr && IsWindowVisible(readOnly);
    return state;
}

std::string DescribeStep(HWND window) {
    const std::string title = scenario::QuoteWord(WindowText(window));
    switch (Classify(window)) {
        case WindowKind::MessageBox:
            return "message " +
                   scenario::QuoteWord(WindowText(ChildWithId(window, kMessageTextId))) + " " +
                   title + " " + MessageIcon(window);
        case WindowKind::FileDialog:
            return "open " + title;
        case WindowKind::ProgressNotice:
            return "the progress notice";
        case WindowKind::Dialog:
            return "dialog " + title;
        case WindowKind::Other:
            break;
    }
    return "window " + title + " of class " + ClassName(window);
}

}  // namespace host
