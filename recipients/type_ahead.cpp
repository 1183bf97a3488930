#include "recipients/type_ahead.h"

#include <vector>

namespace recipients {

void SelectTypedPrefix(ui::ListBox& list, std::string_view typed) {
    const std::vector<int> selected = list.GetSelItems();
    // The search begins at the first selected item itself, so that typing on keeps a match.
    const int before = selected.empty() ? -1 : selected.front() - 1;
    const int found = list.FindString(before, typed);
    if (found < 0) {
        return;
    }
    list.SetSel(-1, false);
    list.SetSel(found, true);
    list.SetTopIndex(found);
}

}  // namespace recipients
