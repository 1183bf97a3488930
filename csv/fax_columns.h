#pragma once

#include <span>
#include <vector>

#include "csv/column_titles.h"
#include "csv/csv_splitter.h"

namespace csv {

// A column that holds fax numbers. A typed phone's value column holds one only on lines whose
// label column names a fax.
struct FaxColumn {
    int value = -1;
    int label = -1;  // -1: every line's value is a fax number

    bool operator==(const FaxColumn&) const = default;
};

// The fax columns of an upper-cased header, in header order: every title that contains FAX,
// TELECOPIE (also with accented E's) or FACSIMILE or that titles read as holding a fax word, and
// the value of every pair "P - LABEL" (or "P - TYPE") and "P - VALUE".
std::vector<FaxColumn> FindFaxColumns(const CsvFieldTable& header, int count,
                                      std::span<const ColumnTitle> titles);

// A typed phone's label names a fax when it contains "fax" in any case.
bool LabelNamesFax(const char* label);

// Typed phone values list several numbers separated by " ::: ": cuts the first off in place and
// returns the rest, nullptr after the last.
char* CutFirstOfList(char* values);

}  // namespace csv
