#include "contactfile/modal_contact_file_dialogs.h"

#include "contactfile/field_mapping_dialog.h"
#include "contactfile/recipient_picker_dialog.h"

namespace contactfile {

using recipients::RecipientCollection;

std::optional<ColumnMapping> ModalContactFileDialogs::MapFields(
    std::string_view path, std::span<char* const> headerFields) {
    FieldMappingDialog dialog(backend_, path, headerFields);
    if (dialog.DoModal() != ui::kIdOk) {
        return std::nullopt;
    }
    return ColumnMapping{dialog.NameColumn(), dialog.FaxColumn()};
}

int ModalContactFileDialogs::PickRecipients(
    std::string_view path, std::span<const recipients::ContactCandidate> candidates,
    RecipientCollection& collection) {
    RecipientPickerDialog dialog(backend_, platform_, helpFile_, path, candidates, collection);
    if (dialog.DoModal() == ui::kIdOk) {
        return ui::kIdOk;
    }
    // A picker that could not be created never took the candidate count back.
    collection.count = 0;
    return ui::kIdCancel;
}

}  // namespace contactfile
