#include "contactfile/contact_file_reader.h"

#include <new>
#include <span>
#include <string>
#include <vector>

#include "csv/column_titles.h"
#include "csv/csv_candidates.h"
#include "csv/csv_dialect.h"
#include "recipients/reader_result.h"
#include "ui/window_handle.h"
#include "vcard/vcard_reader.h"

namespace contactfile {

using csv::ChooseDelimiter;
using csv::CsvColumns;
using csv::CsvFieldTable;
using csv::FindColumnsByKeyword;
using csv::kCsvBadFormat;
using csv::ReadCandidates;
using csv::SplitCsvLine;
using csv::UpperCaseAscii;
using recipients::kBadCsvFormat;
using recipients::kNoFaxColumn;
using recipients::kReadFailed;
using recipients::kSourceCsvMapped;
using recipients::RecipientCollection;

namespace {

// 0 with the columns chosen, a ReaderResult code, or 1 when the user cancelled the mapping.
constexpr int kMappingCancelled = 1;

// What the titles of the split header name. A header of Unicode text is read as the file gave
// it, so that titles in any script are known whatever the code page; if the conversion changed
// how it splits, the converted header is read instead.
std::vector<csv::ColumnTitle> ReadTitles(const text::TextImage& image, const CsvFieldTable& fields,
                                         int count, char delimiter, ui::Platform& platform) {
    if (std::optional<std::string> header = image.UnicodeHeader()) {
        CsvFieldTable unicodeFields{};
        unicodeFields[0] = header->data();
        if (SplitCsvLine(unicodeFields, nullptr, delimiter) == count) {
            return csv::ReadColumnTitles(unicodeFields, count, text::TitleMatcher::ForUnicode());
        }
    }
    return csv::ReadColumnTitles(fields, count, text::TitleMatcher::ForCodePage(platform));
}

int ChooseColumns(text::TextImage& image, char* header, std::string_view path,
                  recipients::SourceKind kind, ContactFileDialogs& dialogs, ui::Platform& platform,
                  CsvColumns& columns) {
    CsvFieldTable fields{};
    fields[0] = header;
    const std::span<const char> following = image.Rest();
    const char delimiter = ChooseDelimiter(header, {following.data(), following.size()});
    if (kind != kSourceCsvMapped) {
        UpperCaseAscii(header);
    }
    const int count = SplitCsvLine(fields, nullptr, delimiter);
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
        columns.faxColumns = {{mapping->faxColumn}};
    } else {
        columns = FindColumnsByKeyword(fields, count,
                                       ReadTitles(image, fields, count, delimiter, platform));
        if (columns.faxColumns.empty()) {
            return kNoFaxColumn;
        }
    }
    columns.headerFields = count;
    columns.delimiter = delimiter;
    return 0;
}

// 0 with the candidates read, a ReaderResult code, or kMappingCancelled.
int ReadRecords(text::TextImage& image, std::string_view path, recipients::SourceKind kind,
                ContactFileDialogs& dialogs, ui::Platform& platform,
                recipients::ContactCandidateSet& read) {
    if (const std::span<const char> text = image.Rest();
        vcard::IsVCardText({text.data(), text.size()})) {
        return vcard::ReadVCardCandidates(image, platform, read);
    }
    char* header = text::CutHeaderLine(image);
    if (header == nullptr) {
        return kReadFailed;
    }
    CsvColumns columns;
    if (const int chosen = ChooseColumns(image, header, path, kind, dialogs, platform, columns);
        chosen != 0) {
        return chosen;
    }
    image.ReleaseOriginal();
    return ReadCandidates(image, columns, read);
}

}  // namespace

const text::ContactExport kContactExport{vcard::IsVCardText};

int ReadContactImage(text::TextImage& image, std::string_view path, RecipientCollection& collection,
                     int& rejectedCount, recipients::SourceKind kind, ContactFileDialogs& dialogs,
                     ui::Platform& platform) {
    recipients::ContactCandidateSet read;
    const int result = ReadRecords(image, path, kind, dialogs, platform, read);
    if (result == kMappingCancelled) {
        return 0;
    }
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

int ReadContactFile(const std::string& path, RecipientCollection& collection, int& rejectedCount,
                    recipients::SourceKind kind, ContactFileDialogs& dialogs,
                    ui::Platform& platform) {
    // Memory that runs out anywhere, a picker that cannot offer every candidate included, ends
    // the read with nothing taken.
    try {
        text::TextImage image;
        if (const int loaded = image.Load(path, platform, &kContactExport); loaded != 0) {
            return loaded;
        }
        return ReadContactImage(image, path, collection, rejectedCount, kind, dialogs, platform);
    } catch (const std::bad_alloc&) {
        collection.count = 0;
        collection.entries.clear();
        return recipients::kOutOfMemory;
    }
}

}  // namespace contactfile
