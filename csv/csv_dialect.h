#pragma once

namespace csv {

// The field delimiter of a file, decided from its header line: the comma where the header holds
// one outside quotes, else the semicolon, else the TAB, else the comma.
char ChooseDelimiter(const char* header);

}  // namespace csv
