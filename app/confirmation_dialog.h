#pragma once

#include "app/recipient_collection.h"
#include "app/source_kind.h"
#include "app/source_readers.h"
#include "ui/controls.h"
#include "ui/dialog.h"

// The last step before the result file: lists the recipients with the source's counters.
class ConfirmationDialog : public ui::Dialog {
  public:
    ConfirmationDialog(ui::Backend& backend, RecipientCollection& collection,
                       const ImportCounters& counters, SourceKind kind);

  protected:
    bool OnInitDialog() override;
    void OnCancel() override;

  private:
    RecipientCollection& collection_;
    ImportCounters counters_;
    SourceKind kind_;
    ui::ListBox list_;
};
