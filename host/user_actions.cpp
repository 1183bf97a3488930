#include "host/user_actions.h"

#include "host/ansi_text.h"
#include "host/tool_messages.h"
#include "host/tool_windows.h"

namespace host {

namespace {

using scenario::Mismatch;
using scenario::QuoteWord;
using scenario::Statement;

struct Target {
    HWND control = nullptr;
    scenario::ControlState state;
};

std::optional<Mismatch> FindTarget(HWND dialog, const Statement& s, Target& target,
                                   bool userInput) {
    const int id = std::stoi(s.words[0]);
    target.control = ChildWithId(dialog, id);
    if (target.control == nullptr) {
        return Mismatch{"control " + s.words[0],
                        "no control " + s.words[0] + " in " + QuoteWord(WindowText(dialog))};
    }
    target.state = ReadControl(target.control, ReadingFor(s.verb));
    if (userInput && !(target.state.visible && target.state.enabled)) {
        return Mismatch{"control " + s.words[0] + " visible and enabled for " + s.verb,
                        "control " + s.words[0] + (target.state.visible ? "" : " hidden") +
                            (target.state.enabled ? "" : " disabled")};
    }
    return std::nullopt;
}

bool Notifies(HWND listBox) {
    return (GetWindowLongW(listBox, GWL_STYLE) & LBS_NOTIFY) != 0;
}

void Notify(HWND dialog, HWND control, WORD code) {
    Deliver(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
            reinterpret_cast<LPARAM>(control));
}

Mismatch WrongKind(const Statement& s, const std::string& wanted, const Target& target) {
    return Mismatch{s.verb + " on a " + wanted, s.words[0] + " is a " + target.state.className};
}

// A click on a list box item: it becomes the only selected item.
void ClickItem(HWND dialog, HWND listBox, int index) {
    if (IsMultipleSelection(listBox)) {
        Ask(listBox, LB_SETSEL, FALSE, -1);
        Ask(listBox, LB_SETSEL, TRUE, index);
        Ask(listBox, LB_SETCARETINDEX, index, FALSE);
    } else {
        Ask(listBox, LB_SETCURSEL, index, 0);
    }
    if (Notifies(listBox))
        Notify(dialog, listBox, LBN_SELCHANGE);
}

std::optional<Mismatch> Choose(HWND dialog, const Statement& s, const Target& target) {
    std::vector<int> index;
    if (auto missing = scenario::FindItems(s, 1, target.state, index))
        return missing;
    if (target.state.className == "COMBOBOX") {
        Ask(target.control, CB_SETCURSEL, index.front(), 0);
        Notify(dialog, target.control, CBN_SELCHANGE);
    } else if (target.state.className == "LISTBOX") {
        ClickItem(dialog, target.control, index.front());
    } else {
        return WrongKind(s, "combo or list box", target);
    }
    return std::nullopt;
}

// Select-all and select-none are one message; select control-clicks, in ascending order, every
// item whose selection differs from the wanted one.
std::optional<Mismatch> Select(HWND dialog, const Statement& s, const Target& target) {
    if (target.state.className != "LISTBOX" || !IsMultipleSelection(target.control)) {
        return WrongKind(s, "multiple-selection list box", target);
    }
    if (s.verb != "select") {
        Ask(target.control, LB_SETSEL, s.verb == "select-all", -1);
        if (Notifies(target.control))
            Notify(dialog, target.control, LBN_SELCHANGE);
        return std::nullopt;
    }
    std::vector<int> indices;
    if (auto missing = scenario::FindItems(s, 1, target.state, indices))
        return missing;
    std::vector<bool> wanted(target.state.items.size(), false);
    for (int index : indices)
        wanted[index] = true;
    std::vector<bool> selected(target.state.items.size(), false);
    for (int index : target.state.selected)
        selected[index] = true;
    for (size_t i = 0; i < wanted.size(); ++i) {
        if (wanted[i] == selected[i])
            continue;
        Ask(target.control, LB_SETSEL, wanted[i], static_cast<LPARAM>(i));
        Ask(target.control, LB_SETCARETINDEX, i, FALSE);
        if (Notifies(target.control))
            Notify(dialog, target.control, LBN_SELCHANGE);
    }
    return std::nullopt;
}

void PressKey(HWND control, UINT key) {
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    Deliver(control, WM_KEYDOWN, key, 1 | (scan << 16));
    if (key == VK_RETURN || key == VK_ESCAPE)
        Deliver(control, WM_CHAR, key == VK_RETURN ? L'\r' : 27, 1 | (scan << 16));
    Deliver(control, WM_KEYUP, key, 1 | (scan << 16) | (1u << 30) | (1u << 31));
}

// Enter and Escape go where the dialog manager sends them: to a control that wants every key,
// else to the default button or Cancel.
void Key(HWND dialog, const Statement& s, const Target& target) {
    const std::string& key = s.words[1];
    if (key == "delete") {
        PressKey(target.control, VK_DELETE);
        return;
    }
    if (Ask(target.control, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS) {
        PressKey(target.control, key == "enter" ? VK_RETURN : VK_ESCAPE);
        return;
    }
    int id = IDCANCEL;
    if (key == "enter") {
        const LRESULT defaultId = Ask(dialog, DM_GETDEFID, 0, 0);
        id = HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK;
    }
    HWND button = ChildWithId(dialog, id);
    if (key == "enter" && button != nullptr && !IsWindowEnabled(button))
        return;
    Deliver(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

}  // namespace

std::optional<Mismatch> PerformAction(HWND dialog, const Statement& s, std::string& dumped) {
    if (s.verb == "close") {
        Deliver(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        return std::nullopt;
    }
    Target target;
    if (auto problem = FindTarget(dialog, s, target, s.verb != "dump"))
        return problem;
    if (s.verb == "dump") {
        dumped = scenario::DumpItems(target.state);
        return std::nullopt;
    }
    if (s.verb == "choose")
        return Choose(dialog, s, target);
    if (s.verb == "select" || s.verb == "select-all" || s.verb == "select-none") {
        return Select(dialog, s, target);
    }
    if (s.verb == "check") {
        if (target.state.className != "BUTTON")
            return WrongKind(s, "check box", target);
        if (target.state.checked != (s.words[1] == "yes"))
            Deliver(target.control, BM_CLICK, 0, 0);
        return std::nullopt;
    }
    if (s.verb == "click") {
        if (target.state.className != "BUTTON")
            return WrongKind(s, "button", target);
        Deliver(target.control, BM_CLICK, 0, 0);
        return std::nullopt;
    }
    if (s.verb == "type") {
        if (target.state.className != "EDIT")
            return WrongKind(s, "edit", target);
        for (wchar_t c : ToWide(s.words[1]))
            Deliver(target.control, WM_CHAR, c, 1);
        return std::nullopt;
    }
    if (s.verb == "clear") {
        if (target.state.className != "EDIT")
            return WrongKind(s, "edit", target);
        Ask(target.control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        return std::nullopt;
    }
    if (s.verb == "dblclick") {
        if (target.state.className != "LISTBOX")
            return WrongKind(s, "list box", target);
        std::vector<int> index;
        if (auto missing = scenario::FindItems(s, 1, target.state, index))
            return missing;
        ClickItem(dialog, target.control, index.front());
        // The second click of a double click selects again after reporting the double click.
        if (Notifies(target.control)) {
            Notify(dialog, target.control, LBN_DBLCLK);
            Notify(dialog, target.control, LBN_SELCHANGE);
        }
        return std::nullopt;
    }
    if (s.verb == "key") {
        Key(dialog, s, target);
        return std::nullopt;
    }
    return Mismatch{"an action", s.verb};
}

}  // namespace host
