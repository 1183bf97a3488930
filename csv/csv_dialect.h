#pragma once

#include <string_view>

namespace csv {

// The field delimiter of a file: the one of comma, semicolon and TAB that splits the header into
// two fields or more outside quotes and gives the most of the first data lines (in following,
// the text after the header) as many fields as the header; between equals, the one that gives
// the header more fields, then the comma, the semicolon, the TAB. The comma where none splits
// the header.
char ChooseDelimiter(const char* header, std::string_view following = {});

}  // namespace csv
