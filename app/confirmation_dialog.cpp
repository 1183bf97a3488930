#include "app/confirmation_dialog.h"

#include <algorithm>
#include <string>

#include "app/recipient_entry.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kRecipientList = 1001;
constexpr int kHeadline = 1002;
constexpr int kSelectedCount = 1003;
constexpr int kRejectedCount = 1004;
constexpr int kValidCount = 1005;
constexpr int kLimitNote = 1054;
constexpr int kRejectedLabel = 1055;
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
    list_.Bind(*this, kRecipientList);
    list_.ResetContent();
    list_.SetTabStops({kFaxColumnTabStop});

    backend().SetText(Handle(), kHeadline,
                      std::to_string(collection_.count) + " fax entries will be imported:");
    backend().SetText(Handle(), kSelectedCount, Unsigned(counters_.selectedCount));
    backend().SetText(Handle(), kRejectedCount, Unsigned(counters_.rejectedCount));
    backend().SetText(Handle(), kValidCount, Unsigned(counters_.validFaxCount));
    const bool cutShort = collection_.limit > 0 && counters_.validFaxCount > collection_.limit;
    backend().SetText(Handle(), kLimitNote,
                      cutShort ? "*Only the first 50 fax entries will be imported." : "");
    backend().SetText(
        Handle(), kRejectedLabel,
        IsAddressBook(kind_) ? "Rejected from selection:" : "Rejected from database:");

    const auto shown =
        std::min<std::size_t>(std::max(collection_.count, 0), collection_.entries.size());
    std::string name;
    std::string fax;
    list_.SetRedraw(false);
    for (std::size_t i = 0; i < shown; ++i) {
        SplitRecipientEntry(collection_.entries[i], name, fax);
        list_.AddString(name + '\t' + fax);
    }
    list_.SetRedraw(true);
    return true;
}

void ConfirmationDialog::OnCancel() {
    collection_.count = 0;
    collection_.entries.clear();
    EndDialog(ui::kIdCancel);
}
