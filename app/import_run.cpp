#include "app/import_run.h"

#include <new>

#include "app/confirmation_dialog.h"
#include "app/reader_error_messages.h"
#include "app/result_file.h"
#include "app/source_file_dialog.h"
#include "app/source_selection_dialog.h"
#include "app/text_format.h"
#include "recipients/ansi_code_page.h"
#include "recipients/reader_result.h"
#include "recipients/recipient_collection.h"
#include "recipients/recipient_limit.h"
#include "ui/host_protocol.h"

namespace app {

using recipients::ImportContext;
using recipients::ImportCounters;
using enum recipients::SourceKind;
using recipients::RecipientCollection;
using recipients::SourceKind;

namespace {

constexpr char kNoEntry[] = "No entry to be imported.";

// Releases what the sources kept and gives the host window back, with the command for the
// chosen source, on every path out of the run, exceptions included. Nothing here allocates.
class HostHandback {
  public:
    HostHandback(ImportContext& context, SourceReaders* sources)
        : context_(context), sources_(sources) {}
    ~HostHandback() {
        if (sources_ != nullptr) {
            sources_->ReleaseSpeedDialRecords();
        }
        const ui::WindowHandle host = context_.LiveHostWindow();
        if (host != 0) {
            context_.platform.EnableWindow(host, true);
            context_.platform.SetForegroundWindow(host);
            context_.platform.PostCommand(host, kind_ == kSourceSpeedDial
                                                    ? ui::kSpeedDialImportedCommand
                                                    : ui::kNameFaxImportedCommand);
            context_.hostWindow = 0;
        }
    }
    HostHandback(const HostHandback&) = delete;
    HostHandback& operator=(const HostHandback&) = delete;
    void SetKind(SourceKind kind) { kind_ = kind; }

  private:
    ImportContext& context_;
    SourceReaders* sources_;
    SourceKind kind_ = kSourceCancel;
};

void ShowRunMessage(ImportContext& context, std::string_view text, std::string_view caption,
                    ui::MessageIcon icon) {
    context.backend.ShowMessage(context.LiveHostWindow(), text, caption, icon,
                                ui::MessageButtons::Ok);
}

// The foreground window becomes the host: it sets the limit and is disabled for the run.
void TakeHost(ImportContext& context, RecipientCollection& collection) {
    ui::Platform& platform = context.platform;
    context.hostWindow = platform.ForegroundWindow();
    if (context.hostWindow != 0) {
        collection.limit = platform.HasChildControl(context.hostWindow, ui::kHostLimitControlId)
                               ? recipients::kHostRecipientLimit
                               : 0;
        platform.EnableWindow(context.hostWindow, false);
    }
}

// What the user is told when memory runs out outside a reader; a box that cannot even be shown
// for want of memory leaves the run to end without it.
void TellMemoryRanOut(ImportContext& context) {
    try {
        ShowRunMessage(context, kNoEntry, kRunCaption, ui::MessageIcon::Warning);
    } catch (const std::bad_alloc&) {
    }
}

void ImportFromWab(ImportContext& context, SourceReaders& sources, const std::string& path,
                   SourceKind kind, RecipientCollection& collection, ImportCounters& counters) {
    if (sources.OpenWabAddressBook(path)) {
        sources.ImportFromAddressDialog(collection, counters);
    } else {
        const std::string shown = kind == kSourceDefaultWabFile ? "Default WAB File" : path;
        ShowRunMessage(
            context,
            FillText("Fail to open Windows Address Book.\nCannot import data from %s.", shown),
            "WAB Import Error", ui::MessageIcon::Error);
    }
    sources.CloseWabAddressBook();
}

void ReadFileSource(ImportContext& context, SourceReaders& sources, const std::string& path,
                    SourceKind kind, RecipientCollection& collection, ImportCounters& counters) {
    int rejected = 0;
    const int result = kind == kSourceSpeedDial
                           ? sources.ReadSpeedDialSource(path, collection, rejected)
                           : sources.ReadContactFile(path, collection, rejected, kind);
    if (const auto error = DescribeReaderError(result, path)) {
        ShowRunMessage(context, error->text, error->caption, ui::MessageIcon::Error);
        return;
    }
    counters.selectedCount = result;
    counters.validFaxCount = result;
    counters.rejectedCount = rejected;
}

// False when the file could not be written, or its bytes not even put together.
bool WriteResultFile(ImportContext& context, SourceReaders& sources, const std::string& resultPath,
                     RecipientCollection& collection, SourceKind kind) {
    try {
        return context.platform.ReplaceFileContents(resultPath,
                                                    BuildResultFile(collection, kind, sources));
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void WriteResult(ImportContext& context, SourceReaders& sources, const std::string& resultPath,
                 RecipientCollection& collection, SourceKind kind) {
    if (!WriteResultFile(context, sources, resultPath, collection, kind)) {
        ShowRunMessage(context,
                       FillText("Fail to write %s.\nNo entry has been imported.", resultPath),
                       kRunCaption, ui::MessageIcon::Error);
    }
}

void ImportChosenSource(ImportContext& context, SourceReaders& sources, HostHandback& handback,
                        RecipientCollection& collection, ImportCounters& counters,
                        const std::string& resultPath) {
    SourceSelectionDialog selection(context);
    const auto kind = static_cast<SourceKind>(selection.DoModal());
    handback.SetKind(kind);

    switch (kind) {
        case kSourceMessagingAddressBook:
            if (sources.OpenMessagingAddressBook()) {
                sources.ImportFromAddressDialog(collection, counters);
            }
            sources.CloseMessagingAddressBook();
            break;
        case kSourceWabFile:
            if (const auto path = ChooseSourceFile(context, kind)) {
                ImportFromWab(context, sources, *path, kind, collection, counters);
            }
            break;
        case kSourceDefaultWabFile:
            ImportFromWab(context, sources, std::string(), kind, collection, counters);
            break;
        case kSourceCsvMapped:
        case kSourceCsvAutoSearch:
        case kSourceSpeedDial:
            if (const auto path = ChooseSourceFile(context, kind)) {
                ReadFileSource(context, sources, *path, kind, collection, counters);
            }
            break;
        default:
            return;  // cancelled, or the dialog could not be shown: no verdict
    }

    if (counters.selectedCount == 0) {
        ShowRunMessage(context, kNoEntry, kRunCaption, ui::MessageIcon::Warning);
        return;
    }
    if (collection.count == 0) {
        ShowRunMessage(
            context, "Cannot find fax number in all selected entries.\nNo entry will be imported.",
            kRunCaption, ui::MessageIcon::Warning);
        return;
    }
    ConfirmationDialog confirmation(context.backend, collection, counters, kind);
    if (confirmation.DoModal() == ui::kIdOk && !resultPath.empty()) {
        WriteResult(context, sources, resultPath, collection, kind);
    } else {
        ShowRunMessage(context, kNoEntry, kRunCaption, ui::MessageIcon::Warning);
    }
}

}  // namespace

std::string ResultPathFromArguments(std::string_view arguments) {
    if (arguments.empty() || arguments.front() == ' ') {
        return {};
    }
    if (arguments.front() == '"') {
        const auto closing = arguments.find('"', 1);
        return std::string(arguments.substr(
            1, closing == std::string_view::npos ? std::string_view::npos : closing - 1));
    }
    return std::string(arguments.substr(0, arguments.find(' ')));
}

std::string HelpFilePathBeside(std::string_view modulePath) {
    const auto slash = modulePath.rfind('\\');
    const std::string_view folder =
        slash == std::string_view::npos ? std::string_view() : modulePath.substr(0, slash + 1);
    return std::string(folder) + "faximport.chm";
}

void ImportRun(ImportContext& context, SourceReaders& sources) {
    RecipientCollection collection;
    ImportCounters counters;
    ui::Platform& platform = context.platform;
    recipients::UseAnsiCodePage(platform.AnsiCodePage());
    TakeHost(context, collection);
    HostHandback handback(context, &sources);

    // The readers answer memory running out with their own message; anywhere else, from the
    // paths on, it ends the run with nothing written, and the user is told so.
    try {
        // Made full now: the file dialog changes the current directory.
        const std::string resultArgument = ResultPathFromArguments(platform.CommandLineArguments());
        const std::string resultPath =
            resultArgument.empty() ? resultArgument : platform.FullPath(resultArgument);
        context.helpFilePath = HelpFilePathBeside(platform.ModulePath());
        ImportChosenSource(context, sources, handback, collection, counters, resultPath);
    } catch (const std::bad_alloc&) {
        TellMemoryRanOut(context);
    }
}

void ImportRunOutOfMemory(ImportContext& context) {
    RecipientCollection collection;
    TakeHost(context, collection);
    const HostHandback handback(context, nullptr);
    TellMemoryRanOut(context);
}

}  // namespace app
