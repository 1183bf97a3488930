#pragma once

#include <array>

namespace csv {

inline constexpr int kCsvMaxFields = 1024;
inline constexpr int kCsvBadFormat = -6;

// Slot 0 points to one NUL-terminated line before a split; slot 1024 may receive the unsplit rest
// of a line with more than 1024 fields and is never counted.
using CsvFieldTable = std::array<char*, kCsvMaxFields + 1>;

// Cuts the line at slot 0 in place into fields separated by the delimiter, with double-quote
// quoting. Returns 0 for an empty line, the number of fields (1 to 1024), or kCsvBadFormat when a
// quoted field has no closing quote. fieldsFound, when given, receives the number of slots set in
// every case: for kCsvBadFormat it includes the unterminated field, which runs to the end of the
// line.
int SplitCsvLine(CsvFieldTable& fields, int* fieldsFound = nullptr, char delimiter = ',');

// As SplitCsvLine for a line of a text::TextImage (it reads whole blocks past the NUL), but a line
// whose rest holds no quote once field lastRead is cut stays unsplit after it: no later field could
// open a quoted field, so the fields up to lastRead and whether the line is well formed are as a
// whole split makes them. The count reported then ends with lastRead's field. A large file's
// records often carry many fields that nobody reads.
int SplitImageLineUpTo(CsvFieldTable& fields, int lastRead, int* fieldsFound, char delimiter);

// Goes on splitting a line whose first `first` fields are cut already; slot `first` points to
// the start of the next field. Returns and reports as SplitCsvLine, counting every field.
int ContinueCsvSplit(CsvFieldTable& fields, int first, char delimiter, int* fieldsFound);

}  // namespace csv
