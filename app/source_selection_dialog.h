#pragma once

#include "recipients/import_context.h"
#include "recipients/source_kind.h"
#include "ui/controls.h"
#include "ui/dialog.h"

namespace app {

// The first dialog: offers the sources this machine can read and ends with the SourceKind.
class SourceSelectionDialog : public ui::Dialog {
  public:
    explicit SourceSelectionDialog(recipients::ImportContext& context);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

  private:
    void OnSourceChange();
    void OnHelp();
    void UpdateCheckBoxes();
    bool WabLibraryLoads();

    recipients::ImportContext& context_;
    ui::ComboBox sources_;
    ui::Button autoSearch_;
    ui::Button defaultWab_;
    recipients::SourceKind kind_ = recipients::kSourceCancel;
};

}  // namespace app
