#include "csv/csv_candidates.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>

#include "csv/byte_count.h"
#include "csv/record_joining.h"
#include "recipients/ansi_code_page.h"
#include "recipients/contact_candidate.h"
#include "recipients/reader_result.h"

namespace csv {

using recipients::kOutOfMemory;

namespace {

// Every candidate but the later numbers of a typed phone's list uses one field of its line, so
// the delimiters and lines ahead bound their number even where a header names many fax columns.
std::size_t MostCandidates(text::TextImage& image, const CsvColumns& columns) {
    const std::size_t faxColumns = columns.faxColumns.size();
    if (faxColumns == 0) {
        return 0;
    }
    const std::span<const char> rest = image.Rest();
    const ByteCounts ahead =
        CountTwoBytes(rest.data(), rest.data() + rest.size(), '\n', columns.delimiter);
    const std::size_t lines = ahead.first + 1;
    const std::size_t fields = ahead.second + lines;
    return lines <= fields / faxColumns ? lines * faxColumns : fields;
}

// The last field a candidate is made from; the fields after it need not be cut.
int LastReadField(const CsvColumns& columns) {
    const NameSources& names = columns.nameSources;
    int last = std::max(
        {columns.nameColumn, names.display, names.first, names.middle, names.last, names.company});
    for (const FaxColumn& column : columns.faxColumns) {
        last = std::max({last, column.value, column.label});
    }
    return last;
}

bool IsFieldOf(int column, int count) {
    return column >= 0 && column < count;
}

// Makes the candidates of one split line; true when one of them has a fax number.
class LineCandidateMaker {
  public:
    LineCandidateMaker(const CsvColumns& columns, recipients::ContactCandidateSet& result)
        : columns_(columns), result_(result) {}

    bool Make(const CsvFieldTable& fields, int count) {
        bool hasFax = false;
        bool nameDone = false;
        recipients::ContactCandidate candidate;
        for (const FaxColumn& column : columns_.faxColumns) {
            if (!IsFieldOf(column.value, count) || !NamesFax(column, fields, count)) {
                continue;
            }
            if (!nameDone) {
                candidate.name = Name(fields, count);
                nameDone = true;
            }
            char* number = fields[column.value];
            do {
                char* const more = column.label >= 0 ? CutFirstOfList(number) : nullptr;
                candidate.fax = recipients::CleanCandidateFax(number);
                hasFax = hasFax || *candidate.fax != '\0';
                result_.candidates.push_back(candidate);
                number = more;
            } while (number != nullptr);
        }
        return hasFax;
    }

  private:
    static bool NamesFax(const FaxColumn& column, const CsvFieldTable& fields, int count) {
        return column.label < 0 ||
               (IsFieldOf(column.label, count) && LabelNamesFax(fields[column.label]));
    }

    const char* Name(const CsvFieldTable& fields, int count) {
        if (columns_.nameColumn >= 0) {
            return IsFieldOf(columns_.nameColumn, count)
                       ? recipients::CleanName(fields[columns_.nameColumn])
                       : "";
        }
        return ComposeName(columns_.nameSources, fields, count, result_.names, text_);
    }

    const CsvColumns& columns_;
    recipients::ContactCandidateSet& result_;
    std::string text_;  // reused, so that a line costs no allocation
};

}  // namespace

void UpperCaseAscii(char* text) {
    for (; *text != '\0'; ++text) {
        // The second byte of a double-byte character may look like a letter but is none.
        if (recipients::IsLeadByte(*text) && text[1] != '\0') {
            ++text;
        } else if (*text >= 'a' && *text <= 'z') {
            *text = static_cast<char>(*text - 'a' + 'A');
        }
    }
}

CsvColumns FindColumnsByKeyword(const CsvFieldTable& header, int count,
                                std::span<const ColumnTitle> titles) {
    CsvColumns columns;
    columns.nameColumn = FindNameSources(titles, columns.nameSources);
    if (columns.nameColumn >= 0) {
        columns.nameSources = {};
    }
    columns.faxColumns = FindFaxColumns(header, count, titles);
    return columns;
}

int ReadCandidates(text::TextImage& image, const CsvColumns& columns,
                   recipients::ContactCandidateSet& result) {
    result.rejectedLines = 0;
    result.candidates.clear();
    try {
        result.candidates.reserve(MostCandidates(image, columns));
        LineCandidateMaker maker(columns, result);
        const int lastRead = LastReadField(columns);
        CsvFieldTable fields{};
        while (char* line = image.NextLine()) {
            fields[0] = line;
            int found = 0;
            const int split = SplitImageLineUpTo(fields, lastRead, &found, columns.delimiter);
            if (split == 0) {
                continue;
            }
            if (split == kCsvBadFormat &&
                JoinQuotedRecord(image, fields[found - 1], columns.delimiter, found - 1,
                                 columns.headerFields)) {
                --fields[found - 1];  // back to the field's opening quote
                ContinueCsvSplit(fields, found - 1, columns.delimiter, &found);
            }
            // Slots from found on may still point into earlier lines; the maker reads below
            // found. An unterminated quote is taken as it stands: that field runs to the end of
            // the line.
            if (!maker.Make(fields, found) && result.rejectedLines < INT_MAX) {
                ++result.rejectedLines;
            }
        }
    } catch (const std::length_error&) {
        return kOutOfMemory;
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    if (result.candidates.size() > INT_MAX) {
        return kOutOfMemory;
    }
    return 0;
}

}  // namespace csv
