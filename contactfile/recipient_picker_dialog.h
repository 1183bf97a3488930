#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>

#include "csv/csv_candidates.h"
#include "recipients/recipient_collection.h"
#include "recipients/recipient_key.h"
#include "recipients/selected_list_box.h"
#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/platform.h"

namespace contactfile {

// Offers the candidates of a CSV file; the user moves the wanted ones into the selected list,
// and OK hands that list to the collection.
class RecipientPickerDialog : public ui::Dialog {
  public:
    // The collection's count holds the number of candidates to offer. The candidates must outlive
    // the dialog. An empty help file leaves the Help button without effect.
    RecipientPickerDialog(ui::Backend& backend, ui::Platform& platform, std::string_view helpFile,
                          std::string_view path,
                          std::span<const recipients::ContactCandidate> candidates,
                          recipients::RecipientCollection& collection);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

  private:
    void FillSourceList(int candidateCount);
    void FindTypedName();
    void MoveSelection();
    void ShowLimitMessage();
    void OpenHelp();
    const recipients::ContactCandidate* CandidateOf(std::intptr_t itemData) const;

    ui::Platform& platform_;
    std::string helpFile_;
    std::string path_;
    std::span<const recipients::ContactCandidate> candidates_;
    recipients::RecipientCollection& collection_;
    recipients::SelectedListBox selectedList_;
    ui::ListBox sourceList_;
    ui::Edit typeAhead_;
    std::unordered_set<recipients::RecipientKey, recipients::RecipientKeyHash> selectedKeys_;
};

}  // namespace contactfile
