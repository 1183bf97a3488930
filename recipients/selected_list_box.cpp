#include "recipients/selected_list_box.h"

#include <vector>

namespace recipients {

bool SelectedListBox::DeleteSelected() {
    const std::vector<int> selected = GetSelItems();
    if (selected.empty()) {
        return false;
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
    return true;
}

int SelectedListBox::OnKey(int key) {
    if (key == ui::kKeyDelete && DeleteSelected()) {
        return ui::kKeyHandled;
    }
    return ui::kKeyDefaultAction;
}

}  // namespace recipients
