#pragma once

#include <string>
#include <string_view>

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

// The name sources among the upper-cased header's fields: the first field with each title.
NameSources FindNameSources(const CsvFieldTable& header, int count);

// The name of a split line: the display name, else the joined personal name, else the company,
// whichever first is not empty.
const char* ComposeName(const NameSources& sources, const CsvFieldTable& fields, int count,
                        recipients::NameStore& store, std::string& scratch);

}  // namespace csv
