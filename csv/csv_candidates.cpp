#include "csv/csv_candidates.h"

#include <climits>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>

#include "recipients/edit_field_in_place.h"
#include "recipients/reader_result.h"

namespace csv {

using recipients::CleanFaxNumber;
using recipients::CutToField;
using recipients::EditFieldInPlace;
using recipients::kOutOfMemory;
using recipients::ReplaceNameBrackets;
using recipients::TrimBlanks;

namespace {

// Cleans a field with one of the entry routines, in place and cut to the fixed field length.
template <typename Clean>
const char* CleanInPlace(char* field, std::string& scratch, Clean clean) {
    EditFieldInPlace(field, scratch, [&clean](std::string& text) {
        clean(text);
        CutToField(text);
    });
    return field;
}

// Every candidate uses one field of its line, so the commas and lines ahead bound their number
// even where a header names many fax columns.
std::size_t MostCandidates(const CsvImage& image, std::size_t faxColumns) {
    if (faxColumns == 0) {
        return 0;
    }
    const CsvImage::Ahead ahead = image.CountAhead();
    const std::size_t lines = ahead.lines;
    const std::size_t fields = ahead.commas + lines;
    return lines <= fields / faxColumns ? lines * faxColumns : fields;
}

bool IsFieldOf(int column, int count) {
    return column >= 0 && column < count;
}

// Makes the candidates of one split line; true when one of them has a fax number.
class LineCandidateMaker {
  public:
    explicit LineCandidateMaker(const CsvColumns& columns) : columns_(columns) {}

    bool Make(const CsvFieldTable& fields, int count, std::vector<CsvCandidate>& candidates) {
        bool hasFax = false;
        bool nameDone = false;
        CsvCandidate candidate;
        for (const int column : columns_.faxColumns) {
            if (!IsFieldOf(column, count)) {
                continue;
            }
            if (!nameDone && IsFieldOf(columns_.nameColumn, count)) {
                candidate.name =
                    CleanInPlace(fields[columns_.nameColumn], text_, [](std::string& name) {
                        TrimBlanks(name);
                        ReplaceNameBrackets(name);
                    });
            }
            nameDone = true;
            candidate.fax =
                CleanInPlace(fields[column], text_, [](std::string& fax) { CleanFaxNumber(fax); });
            hasFax = hasFax || *candidate.fax != '\0';
            candidates.push_back(candidate);
        }
        return hasFax;
    }

  private:
    const CsvColumns& columns_;
    std::string text_;  // reused, so that a line costs no allocation
};

}  // namespace

void UpperCaseAscii(char* text) {
    for (; *text != '\0'; ++text) {
        if (*text >= 'a' && *text <= 'z') {
            *text = static_cast<char>(*text - 'a' + 'A');
        }
    }
}

CsvColumns FindColumnsByKeyword(const CsvFieldTable& header, int count) {
    CsvColumns columns;
    for (int index = 0; index < count; ++index) {
        const char* field = header[index];
        if (columns.nameColumn < 0 && std::strcmp(field, "NAME") == 0) {
            columns.nameColumn = index;
        }
        if (std::strstr(field, "FAX") != nullptr) {
            columns.faxColumns.push_back(index);
        }
    }
    return columns;
}

int ReadCandidates(CsvImage& image, const CsvColumns& columns, CsvCandidateSet& result) {
    result.rejectedLines = 0;
    result.candidates.clear();
    try {
        result.candidates.reserve(MostCandidates(image, columns.faxColumns.size()));
    } catch (const std::length_error&) {
        return kOutOfMemory;
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    LineCandidateMaker maker(columns);
    CsvFieldTable fields{};
    while (char* line = image.NextLine()) {
        fields[0] = line;
        int found = 0;
        if (SplitCsvLine(fields, &found) == 0) {
            continue;
        }
        // Slots from found on may still point into earlier lines; the maker reads below found.
        // An unterminated quote is taken as it stands: that field runs to the end of the line.
        if (!maker.Make(fields, found, result.candidates) && result.rejectedLines < INT_MAX) {
            ++result.rejectedLines;
        }
    }
    if (result.candidates.size() > INT_MAX) {
        return kOutOfMemory;
    }
    return 0;
}

}  // namespace csv
