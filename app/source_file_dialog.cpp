#include "app/source_file_dialog.h"

#include <algorithm>

#include "resources/resource_ids.h"

namespace app {

using recipients::ImportContext;
using recipients::kSourceCsvAutoSearch;
using recipients::kSourceCsvMapped;
using recipients::kSourceSpeedDial;
using recipients::kSourceWabFile;
using recipients::SourceKind;

namespace {

// OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_LONGNAMES
constexpr unsigned kOpenFlags = 0x201804;
// The string table's filters are read into a buffer of this size.
constexpr std::size_t kFilterBufferSize = 256;

// "Description|pattern|...|" becomes the platform's NUL-separated list: the last character is
// the separator.
std::string FilterList(std::string filters) {
    if (filters.size() > kFilterBufferSize - 1) {
        filters.resize(kFilterBufferSize - 1);
    }
    if (!filters.empty()) {
        std::replace(filters.begin(), filters.end(), filters.back(), '\0');
    }
    filters.push_back('\0');
    return filters;
}

}  // namespace

std::optional<std::string> ChooseSourceFile(ImportContext& context, SourceKind kind) {
    ui::FileOpenRequest request;
    int filterString = 0;
    switch (kind) {
        case kSourceWabFile:
            filterString = kWabFilterString;
            request.title = "Import WAB File";
            break;
        case kSourceCsvMapped:
        case kSourceCsvAutoSearch:
            filterString = kCsvFilterString;
            request.title = "Import CSV File";
            break;
        case kSourceSpeedDial:
            filterString = kCsvFilterString;
            request.title = "Import Speed Dial EWS-CSV File";
            break;
        default:
            return std::nullopt;
    }
    request.owner = context.LiveHostWindow();
    request.filters = FilterList(context.platform.LoadString(filterString));
    request.flags = kOpenFlags;
    return context.platform.ChooseFileToOpen(request);
}

}  // namespace app
