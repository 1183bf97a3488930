#include "speeddial/speed_dial_picker_dialog.h"

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "recipients/ansi_code_page.h"
#include "recipients/picker_messages.h"
#include "recipients/recipient_entry.h"
#include "recipients/recipient_limit.h"
#include "recipients/type_ahead.h"
#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "speeddial/speed_dial_record_dialog.h"
#include "speeddial/speed_dial_texts.h"

namespace speeddial {

using recipients::kSelectionLimitMessage;
using recipients::kSelectionOutOfMemoryMessage;
using recipients::MakeRecipientEntry;
using recipients::RecipientCollection;
using recipients::SelectTypedPrefix;

namespace {

constexpr int kTypeAheadMax = 3;
constexpr int kSelectedColumnTab = 50;

std::string RecipientEntryOf(const SpeedDialRecord& record) {
    return MakeRecipientEntry(FieldText(record.name), FieldText(record.faxNumber));
}

// The recipient as its record holds it; the records outlive the picker.
recipients::RecipientKey RecipientKeyOf(const SpeedDialRecord& record) {
    return {FieldText(record.name), FieldText(record.faxNumber)};
}

}  // namespace

SpeedDialPickerDialog::SpeedDialPickerDialog(ui::Backend& backend, ui::Platform& platform,
                                             std::string_view helpFile, std::string_view fileName,
                                             const SpeedDialRecords& records,
                                             RecipientCollection& collection)
    : ui::Dialog(backend, kSpeedDialPickerTemplate),
      platform_(platform),
      helpFile_(helpFile),
      fileName_(fileName),
      records_(records),
      collection_(collection) {
    using namespace speeddial;
    OnCommand(IDC_SPEED_DIAL_TYPE_AHEAD, ui::kNotifyEditChange, [this] { FindTypedNumber(); });
    OnCommand(IDC_SPEED_DIAL_SOURCE_LIST, ui::kNotifyDoubleClick, [this] { MoveSelection(); });
    OnCommand(IDC_SPEED_DIAL_TO_SELECTED, ui::kNotifyClicked, [this] { MoveSelection(); });
    OnCommand(IDC_SPEED_DIAL_DELETE, ui::kNotifyClicked,
              [this] { selectedList_.DeleteSelected(); });
    OnCommand(IDC_SPEED_DIAL_VIEW_DETAILS, ui::kNotifyClicked, [this] { ShowDetails(); });
    OnCommand(IDC_SPEED_DIAL_HELP, ui::kNotifyClicked, [this] { OpenHelp(); });
    OnVKeyToItem(IDC_SPEED_DIAL_SELECTED_LIST,
                 [this](int key, int) { return selectedList_.OnKey(key); });
    selectedList_.SetDeleteObserver([this](int, std::intptr_t data) {
        if (IsRecord(data)) {
            selectedByRecipient_.erase(RecipientKeyOf(records_[static_cast<std::size_t>(data)]));
        }
    });
}

bool SpeedDialPickerDialog::OnInitDialog() {
    const int recordCount = collection_.count;
    collection_.count = 0;

    selectedList_.Bind(*this, IDC_SPEED_DIAL_SELECTED_LIST);
    selectedList_.ResetContent();
    selectedByRecipient_.clear();
    selectedList_.SetTabStops({kSelectedColumnTab});
    sourceList_.Bind(*this, IDC_SPEED_DIAL_SOURCE_LIST);
    sourceList_.ResetContent();
    typeAhead_.Bind(*this, IDC_SPEED_DIAL_TYPE_AHEAD);
    typeAhead_.LimitText(kTypeAheadMax);

    ui::Edit columnHeader;
    columnHeader.Bind(*this, IDC_SPEED_DIAL_COLUMN_HEADER);
    columnHeader.SetTabStops({kSelectedColumnTab});
    columnHeader.SetText("Speed Dial#\tSelected Recipients");

    const std::size_t offered = std::min({static_cast<std::size_t>(std::max(recordCount, 0)),
                                          records_.size(), collection_.speedDialNumbers.size()});
    std::vector<ui::ListEntry> entries;
    entries.reserve(offered);
    for (std::size_t i = 0; i < offered; ++i) {
        entries.push_back({collection_.speedDialNumbers[i], static_cast<std::intptr_t>(i)});
    }
    // A list that cannot offer every entry would import a part as if it were the whole: the
    // reader reports the lack of memory instead.
    if (!sourceList_.AddItems(entries)) {
        throw std::bad_alloc();
    }
    sourceList_.SetSel(0, true);

    SetTitle(std::string(speeddial::kPickerCaption) + " - " + fileName_);
    BringToForeground();
    return true;
}

void SpeedDialPickerDialog::OnOK() {
    collection_.speedDialNumbers.clear();
    const int count = selectedList_.GetCount();
    collection_.count = count;
    // The entry is built from the record rather than cut from the list line, so that a Speed
    // Dial number of any content or length cannot change it.
    for (int item = 0; item < count; ++item) {
        const auto r = static_cast<std::size_t>(selectedList_.GetItemData(item));
        collection_.entries.push_back(RecipientEntryOf(records_[r]));
        collection_.speedDialNumbers.push_back(std::to_string(r));
    }
    EndDialog(ui::kIdOk);
}

void SpeedDialPickerDialog::OnCancel() {
    collection_.count = 0;
    collection_.entries.clear();
    EndDialog(ui::kIdCancel);
}

void SpeedDialPickerDialog::FindTypedNumber() {
    const std::string typed = typeAhead_.GetText();
    SelectTypedPrefix(sourceList_, std::string_view(typed).substr(
                                       0, recipients::WholeCharacterLength(typed, kTypeAheadMax)));
}

void SpeedDialPickerDialog::MoveSelection() {
    if (sourceList_.GetSelCount() <= 0) {
        return;
    }
    const int limit = collection_.limit;
    if (limit > 0 && selectedList_.GetCount() >= limit) {
        ShowLimitMessage();
        return;
    }
    std::vector<int> chosen;
    try {
        chosen = sourceList_.GetSelItems();
    } catch (const std::bad_alloc&) {
        ShowMessage(kSelectionOutOfMemoryMessage, speeddial::kPickerCaption,
                    ui::MessageIcon::Warning);
        return;
    }
    // A visible list box updates its scroll bar on every item added.
    selectedList_.SetRedraw(false);
    bool limitReached = false;
    bool outOfMemory = false;
    try {
        for (const int item : chosen) {
            if (limit > 0 && selectedList_.GetCount() >= limit) {
                limitReached = true;
                break;
            }
            const std::intptr_t data = sourceList_.GetItemData(item);
            if (!IsRecord(data)) {
                continue;
            }
            const auto r = static_cast<std::size_t>(data);
            if (MakeRoomFor(r) && !AddSelected(item, r)) {
                throw std::bad_alloc();
            }
        }
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    selectedList_.SetRedraw(true);
    if (outOfMemory) {
        ShowMessage(kSelectionOutOfMemoryMessage, speeddial::kPickerCaption,
                    ui::MessageIcon::Warning);
    } else if (limitReached) {
        ShowLimitMessage();
    }
}

bool SpeedDialPickerDialog::MakeRoomFor(std::size_t r) {
    const SpeedDialRecord& record = records_[r];
    // The item found is the first one that shows record r or its recipient, since there is
    // at most one such item.
    const auto found = selectedByRecipient_.find(RecipientKeyOf(record));
    if (found == selectedByRecipient_.end()) {
        return true;
    }
    const std::size_t o = found->second;
    if (o == r) {
        return false;
    }
    const std::string question =
        "Name :  " + std::string(FieldText(record.name)) +
        "\nFax # :  " + std::string(FieldText(record.faxNumber)) +
        "\n\nThe recipient already exists in the current selection.\nDo you want to "
        "replace it?";
    // The list is drawn while the user looks at it.
    selectedList_.SetRedraw(true);
    const ui::MessageAnswer answer = ShowMessage(
        question, speeddial::kPickerCaption, ui::MessageIcon::Question, ui::MessageButtons::YesNo);
    selectedList_.SetRedraw(false);
    if (answer != ui::MessageAnswer::Yes) {
        return false;
    }
    selectedList_.DeleteString(SelectedItemOf(o));
    selectedByRecipient_.erase(found);
    return true;
}

bool SpeedDialPickerDialog::AddSelected(int sourceItem, std::size_t r) {
    const std::string line =
        sourceList_.GetItemText(sourceItem) + "\t" + RecipientEntryOf(records_[r]);
    const auto slot = selectedByRecipient_.emplace(RecipientKeyOf(records_[r]), r).first;
    const int added = selectedList_.AddString(line);
    if (added < 0) {
        selectedByRecipient_.erase(slot);
        return false;
    }
    selectedList_.SetItemData(added, static_cast<std::intptr_t>(r));
    return true;
}

int SpeedDialPickerDialog::SelectedItemOf(std::size_t o) const {
    const int count = selectedList_.GetCount();
    for (int item = 0; item < count; ++item) {
        if (selectedList_.GetItemData(item) == static_cast<std::intptr_t>(o)) {
            return item;
        }
    }
    return ui::kListError;
}

void SpeedDialPickerDialog::ShowDetails() {
    if (sourceList_.GetSelCount() != 1) {
        ShowMessage(
            "You must select exactly one speed dial number from the list in order to view the "
            "details.",
            speeddial::kPickerCaption, ui::MessageIcon::Warning);
        return;
    }
    const std::intptr_t data = sourceList_.GetItemData(sourceList_.GetSelItems().front());
    if (!IsRecord(data)) {
        return;
    }
    SpeedDialRecordDialog details(backend(), records_, collection_, static_cast<std::size_t>(data));
    details.DoModal();
}

void SpeedDialPickerDialog::OpenHelp() {
    if (!helpFile_.empty()) {
        platform_.OpenHelp(helpFile_, speeddial::kHelpContext);
    }
}

void SpeedDialPickerDialog::ShowLimitMessage() {
    ShowMessage(kSelectionLimitMessage, speeddial::kPickerCaption, ui::MessageIcon::Warning);
}

bool SpeedDialPickerDialog::IsRecord(std::intptr_t itemData) const {
    return itemData >= 0 && static_cast<std::size_t>(itemData) < records_.size();
}

}  // namespace speeddial
