#pragma once

#include "app/source_readers.h"
#include "recipients/recipient_collection.h"
#include "recipients/source_kind.h"
#include "ui/controls.h"
#include "ui/dialog.h"

namespace app {

// The last step before the result file: lists the recipients with the source's counters.
class ConfirmationDialog : public ui::Dialog {
  public:
    ConfirmationDialog(ui::Backend& backend, recipients::RecipientCollection& collection,
                       const recipients::ImportCounters& counters, recipients::SourceKind kind);

  protected:
    bool OnInitDialog() override;
    void OnCancel() override;

  private:
    recipients::RecipientCollection& collection_;
    recipients::ImportCounters counters_;
    recipients::SourceKind kind_;
    ui::ListBox list_;
};

}  // namespace app
