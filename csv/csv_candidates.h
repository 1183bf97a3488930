#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "csv/column_titles.h"
#include "csv/composed_name.h"
#include "csv/csv_splitter.h"
#include "csv/fax_columns.h"
#include "recipients/recipient_entry.h"
#include "text/text_image.h"

namespace csv {

struct CsvColumns {
    int nameColumn = -1;                // -1: no name column
    std::vector<FaxColumn> faxColumns;  // in header order
    NameSources nameSources;            // where the names are without a name column
    int headerFields = 0;               // a record joined from several lines has as many
    char delimiter = ',';
};

// Upper-cases the ASCII letters of a NUL-terminated text in place, never a second byte.
void UpperCaseAscii(char* text);
// The column of the whole name (else the columns names can be built from, see FindNameSources)
// and every fax column, from the upper-cased header and what its titles name.
CsvColumns FindColumnsByKeyword(const CsvFieldTable& header, int count,
                                std::span<const ColumnTitle> titles);

// Reads every record left in the image into candidates that point into it: 0, or kOutOfMemory
// when the candidates do not fit. A line that ends inside a quoted field may take the lines after
// it into its record.
int ReadCandidates(text::TextImage& image, const CsvColumns& columns,
                   recipients::ContactCandidateSet& result);

}  // namespace csv
