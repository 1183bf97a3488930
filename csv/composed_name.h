#pragma once

#include <span>
#include <string>
#include <string_view>

#include "csv/column_titles.h"
#include "csv/csv_splitter.h"
#include "recipients/contact_candidate.h"

namespace csv {

// Where a header without a NAME column has names: a display name, the parts of a personal name,
// a company. -1 where a title is missing.
struct NameSources {
    int display = -1;
    int first = -1;
    int middle = -1;
    int last = -1;
    int company = -1;

    bool Any() const {
        return display >= 0 || first >= 0 || middle >= 0 || last >= 0 || company >= 0;
    }
};

// Where names are: a column holding the whole name (returned; -1 for none), else the sources the
// name is built from, each the first column of its role. A title that is a last name in one export
// and the whole name in another ("Nom") is the last name where a first-name title stands in the
// header and no last-name title does; the same for first and whole names ("Nombre"). Only a title
// without blanks around it is a whole name.
int FindNameSources(std::span<const ColumnTitle> titles, NameSources& sources);

// The name of a split line: the display name, else the joined personal name, else the company,
// whichever first is not empty.
const char* ComposeName(const NameSources& sources, const CsvFieldTable& fields, int count,
                        recipients::NameStore& store, std::string& scratch);

}  // namespace csv
