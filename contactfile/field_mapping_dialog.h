#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ui/controls.h"
#include "ui/dialog.h"

namespace contactfile {

// Lets the user give one header column the role of the name and one that of the fax number.
class FieldMappingDialog : public ui::Dialog {
  public:
    // The header fields must outlive the dialog.
    FieldMappingDialog(ui::Backend& backend, std::string_view path,
                       std::span<char* const> headerFields);

    // -1 when unmapped; after OK the fax column is always mapped.
    int NameColumn() const { return name_.column; }
    int FaxColumn() const { return fax_.column; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    // A button whose caption is its state: "Map to" while unmapped, "UnMap" while mapped.
    struct Role {
        ui::Button button;
        ui::Edit edit;
        int column = -1;
    };

    void ToggleRole(Role& role, Role& other);
    void Unmap(Role& role);

    std::string path_;
    std::span<char* const> headerFields_;
    ui::ListBox columnList_;
    Role name_;
    Role fax_;
};

}  // namespace contactfile
