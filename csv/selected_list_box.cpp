#include "csv/selected_list_box.h"

#include <vector>

int SelectedListBox::OnKey(int key, int /*caret*/) {
    if (key != ui::kKeyDelete) {
        return ui::kKeyDefaultAction;
    }
    const std::vector<int> selected = GetSelItems();
    if (selected.empty()) {
        return ui::kKeyDefaultAction;
    }
    SetRedraw(false);
    // From the highest index down, so that the indices still to delete stay valid.
    for (auto index = selected.rbegin(); index != selected.rend(); ++index) {
        if (deleteObserver_) {
            deleteObserver_(*index, GetItemData(*index));
        }
        DeleteString(*index);
    }
    SetRedraw(true);
    return ui::kKeyHandled;
}
