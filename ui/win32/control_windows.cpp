#include "ui/win32/control_windows.h"

namespace ui {

HWND ControlWindows::Find(HWND dialog, int id) {
    for (const Entry& entry : entries_) {
        // A handle is reused once its window is gone: a remembered one counts only while it is
        // still that dialog's child with that id.
        if (entry.control != nullptr && entry.dialog == dialog && entry.id == id &&
            IsWindow(entry.control) && GetParent(entry.control) == dialog &&
            GetDlgCtrlID(entry.control) == id) {
            return entry.control;
        }
    }
    HWND control = GetDlgItem(dialog, id);
    if (control != nullptr) {
        entries_[next_] = {dialog, id, control};
        next_ = (next_ + 1) % entries_.size();
    }
    return control;
}

}  // namespace ui
