#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/dialog.h"
#include "ui/headless/dialog_template.h"

namespace ui::headless {

struct ListItem {
    std::string text;
    std::intptr_t data = 0;
    bool selected = false;
};

// One control as data, with the state the standard control keeps.
struct ControlState {
    int id = -1;
    std::string className;
    std::uint32_t style = 0;
    std::string text;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    std::vector<ListItem> items;
    int currentSelection = -1;  // single-selection list box and combo box
    int caret = 0;              // multiple-selection list box
    int topIndex = 0;
    int visibleRows = 1;
    std::vector<int> tabStops;
    int textLimit = 32767;

    bool IsButton() const { return className == "BUTTON"; }
    bool IsEdit() const { return className == "EDIT"; }
    bool IsListBox() const { return className == "LISTBOX"; }
    bool IsComboBox() const { return className == "COMBOBOX"; }
    bool IsMultipleSelection() const;
    bool IsSorted() const;
    bool Notifies() const;
    bool WantsKeyboardInput() const;
    bool IsDefaultButton() const;
    bool IsAutoCheckBox() const;
    bool IsMultiLine() const;
    bool IsReadOnly() const;
};

struct HeadlessWindow {
    WindowHandle handle = 0;
    int templateId = 0;
    std::string title;
    std::vector<ControlState> controls;
    Dialog* dialog = nullptr;  // none for the modeless notice
    bool ended = false;
    int endCode = 0;
};

HeadlessWindow BuildWindow(const DialogTemplate& dialogTemplate, WindowHandle handle);

}  // namespace ui::headless
