#include "contactfile/recipient_picker_dialog.h"

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
#include "ui/progress_notice.h"

namespace contactfile {

using recipients::kFieldTextMax;
using recipients::kSelectionLimitMessage;
using recipients::kSelectionOutOfMemoryMessage;
using recipients::MakeRecipientEntry;
using recipients::RecipientCollection;
using recipients::RecipientKey;
using recipients::SelectTypedPrefix;
using recipients::WholeCharacterLength;

namespace {

constexpr int kHelpContext = 15511;

constexpr std::string_view kCaption = "CSV Import";

}  // namespace

RecipientPickerDialog::RecipientPickerDialog(
    ui::Backend& backend, ui::Platform& platform, std::string_view helpFile, std::string_view path,
    std::span<const recipients::ContactCandidate> candidates, RecipientCollection& collection)
    : ui::Dialog(backend, kRecipientPickerTemplate),
      platform_(platform),
      helpFile_(helpFile),
      path_(path),
      candidates_(candidates),
      collection_(collection) {
    OnCommand(IDC_PICKER_TYPE_AHEAD, ui::kNotifyEditChange, [this] { FindTypedName(); });
    OnCommand(IDC_PICKER_SOURCE_LIST, ui::kNotifyDoubleClick, [this] { MoveSelection(); });
    OnCommand(IDC_PICKER_TO_SELECTED, ui::kNotifyClicked, [this] { MoveSelection(); });
    OnCommand(IDC_PICKER_DELETE, ui::kNotifyClicked, [this] { selectedList_.DeleteSelected(); });
    OnCommand(IDC_PICKER_HELP, ui::kNotifyClicked, [this] { OpenHelp(); });
    OnVKeyToItem(IDC_PICKER_SELECTED_LIST,
                 [this](int key, int) { return selectedList_.OnKey(key); });
    selectedList_.SetDeleteObserver([this](int, std::intptr_t data) {
        if (const recipients::ContactCandidate* candidate = CandidateOf(data)) {
            selectedKeys_.erase({candidate->Name(), candidate->Fax()});
        }
    });
}

bool RecipientPickerDialog::OnInitDialog() {
    ui::ProgressNotice notice(backend());
    const int candidateCount = collection_.count;
    collection_.count = 0;
    selectedList_.Bind(*this, IDC_PICKER_SELECTED_LIST);
    selectedList_.ResetContent();
    selectedKeys_.clear();
    sourceList_.Bind(*this, IDC_PICKER_SOURCE_LIST);
    sourceList_.ResetContent();
    typeAhead_.Bind(*this, IDC_PICKER_TYPE_AHEAD);
    FillSourceList(candidateCount);
    sourceList_.SetSel(0, true);
    notice.Close();
    SetTitle(std::string(kCaption) + " - " + path_);
    BringToForeground();
    return true;
}

void RecipientPickerDialog::FillSourceList(int candidateCount) {
    const std::size_t shown =
        std::min(candidates_.size(), static_cast<std::size_t>(std::max(candidateCount, 0)));
    std::vector<std::string> texts;
    texts.reserve(shown);
    for (std::size_t index = 0; index < shown; ++index) {
        texts.push_back(MakeRecipientEntry(candidates_[index].Name(), candidates_[index].Fax()));
    }
    std::vector<ui::ListEntry> entries;
    entries.reserve(shown);
    for (std::size_t index = 0; index < shown; ++index) {
        entries.push_back({texts[index], static_cast<std::intptr_t>(index)});
    }
    // A list that cannot offer every candidate would import a part as if it were the whole:
    // the reader reports the lack of memory instead.
    if (!sourceList_.AddItems(entries)) {
        throw std::bad_alloc();
    }
}

void RecipientPickerDialog::OnOK() {
    const int count = selectedList_.GetCount();
    collection_.count = count;
    for (int index = 0; index < count; ++index) {
        collection_.entries.push_back(selectedList_.GetItemText(index));
    }
    EndDialog(ui::kIdOk);
}

void RecipientPickerDialog::OnCancel() {
    collection_.count = 0;
    collection_.entries.clear();
    EndDialog(ui::kIdCancel);
}

void RecipientPickerDialog::FindTypedName() {
    const std::string typed = typeAhead_.GetText();
    SelectTypedPrefix(
        sourceList_, std::string_view(typed).substr(0, WholeCharacterLength(typed, kFieldTextMax)));
}

void RecipientPickerDialog::MoveSelection() {
    if (sourceList_.GetSelCount() <= 0) {
        return;
    }
    const int limit = collection_.limit;
    int moved = selectedList_.GetCount();
    if (limit > 0 && moved >= limit) {
        ShowLimitMessage();
        return;
    }
    std::vector<int> chosen;
    try {
        chosen = sourceList_.GetSelItems();
    } catch (const std::bad_alloc&) {
        ShowMessage(kSelectionOutOfMemoryMessage, kCaption, ui::MessageIcon::Warning);
        return;
    }
    // Nothing is moved when memory runs out: the keys taken for this move are given back.
    const int before = moved;
    std::vector<RecipientKey> keys;
    std::vector<std::string> texts;
    std::vector<std::intptr_t> data;
    bool limitReached = false;
    bool outOfMemory = false;
    try {
        keys.reserve(chosen.size());
        texts.reserve(chosen.size());
        data.reserve(chosen.size());
        selectedKeys_.reserve(selectedKeys_.size() + chosen.size());
        for (const int item : chosen) {
            if (limit > 0 && moved >= limit) {
                limitReached = true;
                break;
            }
            const std::intptr_t itemData = sourceList_.GetItemData(item);
            const recipients::ContactCandidate* candidate = CandidateOf(itemData);
            if (candidate == nullptr || candidate->Fax().empty()) {
                continue;
            }
            std::string text = sourceList_.GetItemText(item);
            const RecipientKey key{candidate->Name(), candidate->Fax()};
            if (!selectedKeys_.insert(key).second) {
                continue;
            }
            keys.push_back(key);
            texts.push_back(std::move(text));
            data.push_back(itemData);
            ++moved;
        }
        std::vector<ui::ListEntry> entries;
        entries.reserve(texts.size());
        for (std::size_t r = 0; r < texts.size(); ++r) {
            entries.push_back({texts[r], data[r]});
        }
        if (!selectedList_.AddItems(entries)) {
            for (int item = selectedList_.GetCount() - 1; item >= before; --item) {
                selectedList_.DeleteString(item);
            }
            outOfMemory = true;
        }
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    if (outOfMemory) {
        for (const RecipientKey& key : keys) {
            selectedKeys_.erase(key);
        }
        ShowMessage(kSelectionOutOfMemoryMessage, kCaption, ui::MessageIcon::Warning);
    } else if (limitReached) {
        ShowLimitMessage();
    }
}

void RecipientPickerDialog::ShowLimitMessage() {
    ShowMessage(kSelectionLimitMessage, kCaption, ui::MessageIcon::Warning);
}

void RecipientPickerDialog::OpenHelp() {
    if (!helpFile_.empty()) {
        platform_.OpenHelp(helpFile_, kHelpContext);
    }
}

const recipients::ContactCandidate* RecipientPickerDialog::CandidateOf(
    std::intptr_t itemData) const {
    if (itemData < 0 || static_cast<std::size_t>(itemData) >= candidates_.size()) {
        return nullptr;
    }
    return &candidates_[static_cast<std::size_t>(itemData)];
}

}  // namespace contactfile
