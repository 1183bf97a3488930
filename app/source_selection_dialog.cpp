#include "app/source_selection_dialog.h"

#include <new>

#include "resources/control_ids.h"
#include "resources/resource_ids.h"

namespace app {

using recipients::ImportContext;
using enum recipients::SourceKind;
using recipients::SourceKind;

namespace {

constexpr int kHelpContext = 15510;

constexpr char kWabLibraryKey[] = "Software\\Microsoft\\WAB\\DLLPath";
constexpr char kDefaultWabLibrary[] = "WAB32.DLL";

}  // namespace

SourceSelectionDialog::SourceSelectionDialog(ImportContext& context)
    : ui::Dialog(context.backend, kSourceSelectionTemplate), context_(context) {
    OnCommand(IDC_SOURCE_KINDS, ui::kNotifySelChange, [this] { OnSourceChange(); });
    OnCommand(IDC_SOURCE_HELP, ui::kNotifyClicked, [this] { OnHelp(); });
}

bool SourceSelectionDialog::OnInitDialog() {
    sources_.Bind(*this, IDC_SOURCE_KINDS);
    autoSearch_.Bind(*this, IDC_SOURCE_AUTO_SEARCH);
    defaultWab_.Bind(*this, IDC_SOURCE_DEFAULT_WAB);

    sources_.ResetContent();
    autoSearch_.SetCheck(false);
    defaultWab_.SetCheck(true);

    // A list without room for every source would hide one: the run says memory ran out.
    const auto addSource = [this](const char* text, SourceKind kind) {
        const int index = sources_.AddString(text);
        if (index < 0) {
            throw std::bad_alloc();
        }
        sources_.SetItemData(index, kind);
    };
    if (context_.platform.ReadProfileInt("Mail", "MAPIX", 0) == 1) {
        addSource("MS Messaging System Address Book", kSourceMessagingAddressBook);
    }
    if (WabLibraryLoads()) {
        addSource("Windows Address Book (WAB)", kSourceWabFile);
    }
    addSource("Comma Separated Values (CSV)", kSourceCsvMapped);
    addSource("Speed Dial Data EWS-CSV", kSourceSpeedDial);

    sources_.SetCurSel(0);
    kind_ = static_cast<SourceKind>(sources_.GetItemData(0));
    UpdateCheckBoxes();
    BringToForeground();
    return true;
}

// Finds the library the address-book connection will load later, and whether it loads at all.
bool SourceSelectionDialog::WabLibraryLoads() {
    std::string& path = context_.addressBookLibraryPath;
    path = context_.platform.ReadMachineRegistryDefault(kWabLibraryKey).value_or("");
    if (path.empty()) {
        path = kDefaultWabLibrary;
    }
    if (context_.platform.CanLoadLibrary(path)) {
        return true;
    }
    path.clear();
    return false;
}

void SourceSelectionDialog::UpdateCheckBoxes() {
    const bool csv = kind_ == kSourceCsvMapped;
    const bool wab = kind_ == kSourceWabFile;
    autoSearch_.Enable(csv);
    autoSearch_.Show(csv);
    defaultWab_.Enable(wab);
    defaultWab_.Show(wab);
}

void SourceSelectionDialog::OnSourceChange() {
    const int index = sources_.GetCurSel();
    kind_ = index < 0 ? kSourceCancel : static_cast<SourceKind>(sources_.GetItemData(index));
    UpdateCheckBoxes();
}

void SourceSelectionDialog::OnHelp() {
    if (!context_.helpFilePath.empty()) {
        context_.platform.OpenHelp(context_.helpFilePath, kHelpContext);
    }
}

void SourceSelectionDialog::OnOK() {
    if (kind_ == kSourceCsvMapped && autoSearch_.IsChecked()) {
        kind_ = kSourceCsvAutoSearch;
    } else if (kind_ == kSourceWabFile && defaultWab_.IsChecked()) {
        kind_ = kSourceDefaultWabFile;
    }
    EndDialog(kind_);
}

void SourceSelectionDialog::OnCancel() {
    kind_ = kSourceCancel;
    EndDialog(kSourceCancel);
}

}  // namespace app
