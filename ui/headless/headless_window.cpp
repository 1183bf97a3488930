#include "ui/headless/headless_window.h"

namespace ui::headless {

namespace {

// Win32 style bits that the in-memory controls honour.
constexpr std::uint32_t kVisible = 0x10000000;        // WS_VISIBLE
constexpr std::uint32_t kDisabled = 0x08000000;       // WS_DISABLED
constexpr std::uint32_t kListNotify = 0x0001;         // LBS_NOTIFY
constexpr std::uint32_t kListSort = 0x0002;           // LBS_SORT
constexpr std::uint32_t kListMultiple = 0x0008;       // LBS_MULTIPLESEL
constexpr std::uint32_t kListWantKeys = 0x0400;       // LBS_WANTKEYBOARDINPUT
constexpr std::uint32_t kListExtended = 0x0800;       // LBS_EXTENDEDSEL
constexpr std::uint32_t kComboSort = 0x0100;          // CBS_SORT
constexpr std::uint32_t kButtonTypeMask = 0x000F;     // BS_TYPEMASK
constexpr std::uint32_t kDefaultPushButton = 0x0001;  // BS_DEFPUSHBUTTON
constexpr std::uint32_t kAutoCheckBox = 0x0003;       // BS_AUTOCHECKBOX
constexpr std::uint32_t kEditMultiLine = 0x0004;      // ES_MULTILINE
constexpr std::uint32_t kEditReadOnly = 0x0800;       // ES_READONLY

// MS Shell Dlg 8 at 96 DPI (Tahoma under Wine): 13 pixels a dialog unit row of 8, 13-pixel list
// items, and a one-pixel border on each side of a bordered list box.
constexpr int kPixelsPerEightVerticalUnits = 13;
constexpr int kListItemHeight = 13;
constexpr int kListBorderPixels = 2;

int VisibleRows(const ControlTemplate& control) {
    const int pixels = control.height * kPixelsPerEightVerticalUnits / 8 - kListBorderPixels;
    return pixels > kListItemHeight ? pixels / kListItemHeight : 1;
}

}  // namespace

bool ControlState::IsMultipleSelection() const {
    return IsListBox() && (style & (kListMultiple | kListExtended)) != 0;
}
bool ControlState::IsSorted() const {
    return (IsListBox() && (style & kListSort) != 0) || (IsComboBox() && (style & kComboSort) != 0);
}
bool ControlState::Notifies() const {
    return IsListBox() && (style & kListNotify) != 0;
}
bool ControlState::WantsKeyboardInput() const {
    return IsListBox() && (style & kListWantKeys) != 0;
}
bool ControlState::IsDefaultButton() const {
    return IsButton() && (style & kButtonTypeMask) == kDefaultPushButton;
}
bool ControlState::IsAutoCheckBox() const {
    return IsButton() && (style & kButtonTypeMask) == kAutoCheckBox;
}
bool ControlState::IsMultiLine() const {
    return IsEdit() && (style & kEditMultiLine) != 0;
}
bool ControlState::IsReadOnly() const {
    return IsEdit() && (style & kEditReadOnly) != 0;
}

HeadlessWindow BuildWindow(const DialogTemplate& dialogTemplate, WindowHandle handle) {
    HeadlessWindow window;
    window.handle = handle;
    window.templateId = dialogTemplate.id;
    window.title = dialogTemplate.caption;
    for (const ControlTemplate& source : dialogTemplate.controls) {
        ControlState control;
        control.id = source.id;
        control.className = source.className;
        control.style = source.style;
        control.text = source.text;
        control.visible = (source.style & kVisible) != 0;
        control.enabled = (source.style & kDisabled) == 0;
        control.visibleRows = VisibleRows(source);
        window.controls.push_back(std::move(control));
    }
    return window;
}

}  // namespace ui::headless
