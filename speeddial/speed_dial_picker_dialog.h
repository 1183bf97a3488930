#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "recipients/recipient_collection.h"
#include "recipients/recipient_key.h"
#include "recipients/selected_list_box.h"
#include "speeddial/speed_dial_record.h"
#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/platform.h"

namespace speeddial {

// The speed-dial picker: entries are found by their Speed Dial number and moved into the list of
// selected recipients. OK leaves the chosen entries in the collection's entries and their record
// indices in its speedDialNumbers; Cancel leaves nothing.
class SpeedDialPickerDialog : public ui::Dialog {
  public:
    // The collection's count holds the number of records to offer.
    SpeedDialPickerDialog(ui::Backend& backend, ui::Platform& platform, std::string_view helpFile,
                          std::string_view fileName, const SpeedDialRecords& records,
                          recipients::RecipientCollection& collection);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

  private:
    void FindTypedNumber();
    void MoveSelection();
    // Whether record r may be added; may remove an equal entry the user agrees to replace.
    bool MakeRoomFor(std::size_t r);
    // False when the selected list has no room left.
    bool AddSelected(int sourceItem, std::size_t r);
    // The selected list's item that shows record o.
    int SelectedItemOf(std::size_t o) const;
    void ShowDetails();
    void OpenHelp();
    void ShowLimitMessage();
    bool IsRecord(std::intptr_t itemData) const;

    ui::Platform& platform_;
    std::string helpFile_;
    std::string fileName_;
    const SpeedDialRecords& records_;
    recipients::RecipientCollection& collection_;
    recipients::SelectedListBox selectedList_;  // each item's data is its record index
    ui::ListBox sourceList_;
    ui::Edit typeAhead_;
    // The record of each selected item by its recipient, so that "To ->" finds an equal entry
    // without reading the selected list: no two items show one recipient.
    std::unordered_map<recipients::RecipientKey, std::size_t, recipients::RecipientKeyHash>
        selectedByRecipient_;
};

}  // namespace speeddial
