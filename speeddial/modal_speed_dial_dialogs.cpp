#include "speeddial/modal_speed_dial_dialogs.h"

#include "resources/control_ids.h"
#include "speeddial/speed_dial_picker_dialog.h"

namespace speeddial {

using recipients::RecipientCollection;

int ModalSpeedDialDialogs::PickEntries(std::string_view fileName, const SpeedDialRecords& records,
                                       RecipientCollection& collection) {
    SpeedDialPickerDialog picker(backend_, platform_, helpFile_, fileName, records, collection);
    return picker.DoModal();
}

}  // namespace speeddial
