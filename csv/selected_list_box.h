#pragma once

#include <cstdint>
#include <functional>

#include "ui/controls.h"

// The list of chosen recipients: the Delete key removes every selected item. The owner routes
// the list's key notifications (and its own Delete button) to OnKey.
class SelectedListBox : public ui::ListBox {
  public:
    // Told each item's index and data just before the Delete key removes it.
    using DeleteObserver = std::function<void(int index, std::intptr_t data)>;
    void SetDeleteObserver(DeleteObserver observer) { deleteObserver_ = std::move(observer); }

    // A WM_VKEYTOITEM answer: ui::kKeyHandled when the Delete key removed the selected items,
    // ui::kKeyDefaultAction for any other key or when nothing is selected.
    int OnKey(int key, int caret);

  private:
    DeleteObserver deleteObserver_;
};
