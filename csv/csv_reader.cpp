#include "csv/csv_reader.h"

#include <span>

#include "recipients/reader_result.h"
#include "ui/window_handle.h"

namespace csv {

using recipients::kBadCsvFormat;
using recipients::kNoFaxColumn;
using recipients::kReadFailed;
using recipients::kSourceCsvMapped;
using recipients::RecipientCollection;

namespace {

// 0 with the columns chosen, a ReaderResult code, or 1 when the user cancelled the mapping.
constexpr int kMappingCancelled = 1;

int ChooseColumns(char* header, std::string_view path, int kind, CsvDialogs& dialogs,
                  CsvColumns& columns) {
    CsvFieldTable fields{};
    fields[0] = header;
    if (kind != kSourceCsvMapped) {
        UpperCaseAscii(header);
    }
    const int count = SplitCsvLine(fields);
    if (count == kCsvBadFormat) {
        return kBadCsvFormat;
    }
    if (kind == kSourceCsvMapped) {
        const std::optional<ColumnMapping> mapping =
            dialogs.MapFields(path, std::span<char* const>(fields.data(), count));
        if (!mapping) {
            return kMappingCancelled;
        }
        columns.nameColumn = mapping->nameColumn;
        columns.faxColumns = {mapping->faxColumn};
        return 0;
    }
    columns = FindColumnsByKeyword(fields, count);
    return columns.faxColumns.empty() ? kNoFaxColumn : 0;
}

}  // namespace

int ReadCsvImage(CsvImage& image, std::string_view path, RecipientCollection& collection,
                 int& rejectedCount, int kind, CsvDialogs& dialogs) {
    char* header = CutHeaderLine(image);
    if (header == nullptr) {
        return kReadFailed;
    }
    CsvColumns columns;
    const int chosen = ChooseColumns(header, path, kind, dialogs, columns);
    if (chosen == kMappingCancelled) {
        return 0;
    }
    if (chosen != 0) {
        return chosen;
    }
    CsvCandidateSet read;
    const int result = ReadCandidates(image, columns, read);
    if (result != 0) {
        return result;
    }
    rejectedCount = read.rejectedLines;
    collection.count = static_cast<int>(read.candidates.size());
    if (dialogs.PickRecipients(path, read.candidates, collection) != ui::kIdOk) {
        return 0;
    }
    return collection.count;
}

int ReadCsvSource(const std::string& path, RecipientCollection& collection, int& rejectedCount,
                  int kind, CsvDialogs& dialogs, ui::Platform& platform) {
    CsvImage image;
    if (const int loaded = image.Load(path, platform); loaded != 0) {
        return loaded;
    }
    return ReadCsvImage(image, path, collection, rejectedCount, kind, dialogs);
}

}  // namespace csv
