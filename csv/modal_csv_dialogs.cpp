#include "csv/modal_csv_dialogs.h"

#include "csv/field_mapping_dialog.h"
#include "csv/recipient_picker_dialog.h"

namespace csv {

using recipients::RecipientCollection;

std::optional<ColumnMapping> ModalCsvDialogs::MapFields(std::string_view path,
                                                        std::span<char* const> headerFields) {
    FieldMappingDialog dialog(backend_, path, headerFields);
    if (dialog.DoModal() != ui::kIdOk) {
        return std::nullopt;
    }
    return ColumnMapping{dialog.NameColumn(), dialog.FaxColumn()};
}

int ModalCsvDialogs::PickRecipients(std::string_view path, std::span<const CsvCandidate> candidates,
                                    RecipientCollection& collection) {
    RecipientPickerDialog dialog(backend_, platform_, helpFile_, path, candidates, collection);
    if (dialog.DoModal() == ui::kIdOk) {
        return ui::kIdOk;
    }
    // A picker that could not be created never took the candidate count back.
    collection.count = 0;
    return ui::kIdCancel;
}

}  // namespace csv
