#pragma once

#include <optional>
#include <vector>

#include "csv/csv_splitter.h"
#include "text/title_matcher.h"

namespace csv {

// What one header title names.
struct ColumnTitle {
    std::optional<text::TitleRole> role;
    bool fax = false;    // holds a fax word
    bool exact = false;  // without blanks around it
};

// The titles of a split header, read by a matcher made for the header's text.
std::vector<ColumnTitle> ReadColumnTitles(const CsvFieldTable& header, int count,
                                          const text::TitleMatcher& matcher);

}  // namespace csv
