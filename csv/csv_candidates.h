#pragma once

#include <string_view>
#include <vector>

#include "csv/csv_image.h"
#include "csv/csv_splitter.h"
#include "recipients/recipient_entry.h"

namespace csv {

// One (data line, fax column) pair offered to the user: the cleaned name and fax number, each at
// most kFieldTextMax bytes. Both are NUL-terminated texts cleaned in place in the file image, so
// the image must outlive its candidates.
struct CsvCandidate {
    const char* name = "";
    const char* fax = "";

    std::string_view Name() const { return name; }
    std::string_view Fax() const { return fax; }
};

struct CsvColumns {
    int nameColumn = -1;          // -1: no name column
    std::vector<int> faxColumns;  // in header order
};

// Upper-cases the ASCII letters of a NUL-terminated text in place.
void UpperCaseAscii(char* text);
// The first field that reads exactly NAME, and every field containing FAX. The header must
// already be upper-cased.
CsvColumns FindColumnsByKeyword(const CsvFieldTable& header, int count);

struct CsvCandidateSet {
    std::vector<CsvCandidate> candidates;
    int rejectedLines = 0;  // data lines that gave no candidate with a fax number
};
// Reads every line left in the image into candidates that point into it: 0, or kOutOfMemory when
// the candidates do not fit.
int ReadCandidates(CsvImage& image, const CsvColumns& columns, CsvCandidateSet& result);

}  // namespace csv
