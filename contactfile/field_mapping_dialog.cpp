#include "contactfile/field_mapping_dialog.h"

#include "resources/control_ids.h"
#include "resources/resource_ids.h"

namespace contactfile {

namespace {

constexpr std::string_view kMapCaption = "Map to";
constexpr std::string_view kUnmapCaption = "UnMap";

}  // namespace

FieldMappingDialog::FieldMappingDialog(ui::Backend& backend, std::string_view path,
                                       std::span<char* const> headerFields)
    : ui::Dialog(backend, kFieldMappingTemplate), path_(path), headerFields_(headerFields) {
    OnCommand(IDC_MAPPING_NAME_BUTTON, ui::kNotifyClicked, [this] { ToggleRole(name_, fax_); });
    OnCommand(IDC_MAPPING_FAX_BUTTON, ui::kNotifyClicked, [this] { ToggleRole(fax_, name_); });
}

bool FieldMappingDialog::OnInitDialog() {
    columnList_.Bind(*this, IDC_MAPPING_COLUMNS);
    name_.button.Bind(*this, IDC_MAPPING_NAME_BUTTON);
    name_.edit.Bind(*this, IDC_MAPPING_NAME_EDIT);
    fax_.button.Bind(*this, IDC_MAPPING_FAX_BUTTON);
    fax_.edit.Bind(*this, IDC_MAPPING_FAX_EDIT);

    columnList_.ResetContent();
    columnList_.SetRedraw(false);
    for (const char* field : headerFields_) {
        columnList_.AddString(field);
    }
    columnList_.SetRedraw(true);
    columnList_.SetCurSel(0);
    name_.column = -1;
    fax_.column = -1;
    fax_.button.SetText(kMapCaption);
    name_.button.SetText(kMapCaption);
    SetTitle("CSV Import - " + path_);
    BringToForeground();
    return true;
}

void FieldMappingDialog::OnOK() {
    if (fax_.column == -1) {
        ShowMessage("You must map at least a field to the Fax Number.", "CSV Import",
                    ui::MessageIcon::Warning);
        return;
    }
    EndDialog(ui::kIdOk);
}

void FieldMappingDialog::ToggleRole(Role& role, Role& other) {
    if (headerFields_.empty()) {
        return;
    }
    if (role.button.GetText() != kMapCaption) {
        Unmap(role);
        return;
    }
    const int selected = columnList_.GetCurSel();
    if (selected < 0) {
        return;
    }
    role.column = selected;
    role.edit.SetText(columnList_.GetItemText(selected));
    if (other.column == role.column) {
        Unmap(other);
    }
    role.button.SetText(kUnmapCaption);
}

void FieldMappingDialog::Unmap(Role& role) {
    role.column = -1;
    role.edit.SetText("");
    role.button.SetText(kMapCaption);
}

}  // namespace contactfile
