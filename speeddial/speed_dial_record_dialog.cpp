#include "speeddial/speed_dial_record_dialog.h"

#include <string>

#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "speeddial/speed_dial_texts.h"
#include "ui/controls.h"

namespace speeddial {

using recipients::RecipientCollection;
using recipients::TextList;

namespace {

std::string TextAt(const TextList& list, std::size_t index) {
    return index < list.size() ? list[index] : std::string();
}

}  // namespace

SpeedDialRecordDialog::SpeedDialRecordDialog(ui::Backend& backend, const SpeedDialRecords& records,
                                             const RecipientCollection& collection,
                                             std::size_t recordIndex)
    : ui::Dialog(backend, kSpeedDialRecordTemplate),
      records_(records),
      collection_(collection),
      recordIndex_(recordIndex) {}

bool SpeedDialRecordDialog::OnInitDialog() {
    const auto show = [this](int id, std::string_view text) {
        ui::Edit edit;
        edit.Bind(*this, id);
        edit.SetText(text);
    };
    if (recordIndex_ < records_.size()) {
        const SpeedDialRecord& record = records_[recordIndex_];
        show(IDC_RECORD_NAME, FieldText(record.name));
        show(IDC_RECORD_FAX_NUMBER, FieldText(record.faxNumber));
    }
    // The option columns as the file holds them: the trimmed Comm. Mode text, not the mode
    // number, and the Secure Fax and F Code texts still encoded.
    show(IDC_RECORD_COMM_MODE, TextAt(collection_.commModeTexts, recordIndex_));
    show(IDC_RECORD_SECURE_FAX, TextAt(collection_.secureFaxTexts, recordIndex_));
    show(IDC_RECORD_RELAY_FAX, TextAt(collection_.relayFaxTexts, recordIndex_));
    show(IDC_RECORD_F_CODE, TextAt(collection_.fCodeTexts, recordIndex_));
    SetTitle("Speed Dial #" + TextAt(collection_.speedDialNumbers, recordIndex_));
    BringToForeground();
    return true;
}

}  // namespace speeddial
