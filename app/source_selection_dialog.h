#pragma once

#include "app/import_context.h"
#include "app/source_kind.h"
#include "ui/controls.h"
#include "ui/dialog.h"

// The first dialog: offers the sources this machine can read and ends with the SourceKind.
class SourceSelectionDialog : public ui::Dialog {
  public:
    explicit SourceSelectionDialog(ImportContext& context);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

  private:
    void OnSourceChange();
    void OnHelp();
    void UpdateCheckBoxes();
    bool WabLibraryLoads();

    ImportContext& context_;
    ui::ComboBox sources_;
    ui::Button autoSearch_;
    ui::Button defaultWab_;
    int kind_ = kSourceCancel;
};
