#pragma once

#include "text/text_image.h"

namespace csv {

// How many lines after its first one a record's quoted field may run on.
inline constexpr int kMostJoinedLines = 32;

// A data line that ends inside a quoted field continues on the following lines when the record
// ends within kMostJoinedLines of them, every quoted field that runs past a line closing before
// the delimiter or the end of a line, and the joined record has exactly fieldsWanted fields.
// openField is the unterminated field's text (just after its opening quote), which runs to its
// line's NUL; fieldsBefore fields of the line come before it. next is the first byte of the
// following lines (nullptr: none), end the image's final NUL.
struct JoinedRecord {
    bool joined = false;
    char* next = nullptr;  // where the lines after the record start once joined
};
// When the record joins, its lines are moved together in place, each line break becoming one
// blank, so that the record is one NUL-terminated text from the line's start; otherwise nothing
// is changed.
JoinedRecord JoinQuotedRecord(char* openField, char* next, const char* end, char delimiter,
                              int fieldsBefore, int fieldsWanted);
// The same on the lines the image has not yet handed out, where the line handed out last holds
// openField; the image goes on after the record once it joins.
bool JoinQuotedRecord(text::TextImage& image, char* openField, char delimiter, int fieldsBefore,
                      int fieldsWanted);

}  // namespace csv
