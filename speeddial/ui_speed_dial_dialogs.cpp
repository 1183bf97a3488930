#include "speeddial/ui_speed_dial_dialogs.h"

#include "speeddial/speed_dial_picker_dialog.h"

int UiSpeedDialDialogs::PickEntries(std::string_view fileName, const SpeedDialRecords& records,
                                    RecipientCollection& collection) {
    SpeedDialPickerDialog picker(backend_, platform_, helpFile_, fileName, records, collection);
    return picker.DoModal();
}
