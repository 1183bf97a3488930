#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "ui/controls.h"

namespace recipients {

// The list of chosen recipients. The owner routes the list's key notifications to OnKey and its
// Delete button to DeleteSelected.
class SelectedListBox : public ui::ListBox {
  public:
    // Told each item's index and data just before it is deleted.
    using DeleteObserver = std::function<void(int index, std::intptr_t data)>;
    void SetDeleteObserver(DeleteObserver observer) { deleteObserver_ = std::move(observer); }

    // Removes every selected item; false when none is selected.
    bool DeleteSelected();
    // A WM_VKEYTOITEM answer: ui::kKeyHandled when the Delete key removed the selected items,
    // ui::kKeyDefaultAction for any other key or when nothing is selected.
    int OnKey(int key);

  private:
    DeleteObserver deleteObserver_;
};

}  // namespace recipients
