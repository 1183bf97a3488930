#include "app/confirmation_dialog.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/import_run.h"
#include "recipients/picker_messages.h"
#include "recipients/recipient_entry.h"
#include "resources/control_ids.h"
#include "resources/resource_ids.h"

namespace app {

using recipients::ImportCounters;
using recipients::kSourceDefaultWabFile;
using recipients::kSourceMessagingAddressBook;
using recipients::kSourceWabFile;
using recipients::RecipientCollection;
using recipients::SourceKind;
using recipients::SplitRecipientEntry;

namespace {

constexpr int kFaxColumnTabStop = 148;

std::string Unsigned(int value) {
    return std::to_string(static_cast<unsigned>(value));
}

bool IsAddressBook(SourceKind kind) {
    return kind == kSourceMessagingAddressBook || kind == kSourceWabFile ||
           kind == kSourceDefaultWabFile;
}

}  // namespace

ConfirmationDialog::ConfirmationDialog(ui::Backend& backend, RecipientCollection& collection,
                                       const ImportCounters& counters, SourceKind kind)
    : ui::Dialog(backend, kConfirmationTemplate),
      collection_(collection),
      counters_(counters),
      kind_(kind) {}

bool ConfirmationDialog::OnInitDialog() {
    list_.Bind(*this, IDC_CONFIRMATION_LIST);
    list_.ResetContent();
    list_.SetTabStops({kFaxColumnTabStop});

    backend().SetText(Handle(), IDC_CONFIRMATION_HEADLINE,
                      std::to_string(collection_.count) + " fax entries will be imported:");
    backend().SetText(Handle(), IDC_CONFIRMATION_SELECTED, Unsigned(counters_.selectedCount));
    backend().SetText(Handle(), IDC_CONFIRMATION_REJECTED, Unsigned(counters_.rejectedCount));
    backend().SetText(Handle(), IDC_CONFIRMATION_VALID, Unsigned(counters_.validFaxCount));
    const bool cutShort = collection_.limit > 0 && counters_.validFaxCount > collection_.limit;
    backend().SetText(Handle(), IDC_CONFIRMATION_LIMIT_NOTE,
                      cutShort ? "*Only the first 50 fax entries will be imported." : "");
    backend().SetText(
        Handle(), IDC_CONFIRMATION_REJECTED_LABEL,
        IsAddressBook(kind_) ? "Rejected from selection:" : "Rejected from database:");

    const auto shown =
        std::min<std::size_t>(std::max(collection_.count, 0), collection_.entries.size());
    std::vector<std::string> lines(shown);
    std::string name;
    std::string fax;
    for (std::size_t i = 0; i < shown; ++i) {
        SplitRecipientEntry(collection_.entries[i], name, fax);
        lines[i] = name + '\t' + fax;
    }
    std::vector<ui::ListEntry> entries;
    entries.reserve(shown);
    for (const std::string& line : lines) {
        entries.push_back({line});
    }
    if (!list_.AddItems(entries)) {
        // Every entry is imported on OK, so a list that shows only some of them must say so.
        ShowMessage(recipients::kSelectionOutOfMemoryMessage, kRunCaption,
                    ui::MessageIcon::Warning);
    }
    return true;
}

void ConfirmationDialog::OnCancel() {
    collection_.count = 0;
    collection_.entries.clear();
    EndDialog(ui::kIdCancel);
}

}  // namespace app
