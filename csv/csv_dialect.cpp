#include "csv/csv_dialect.h"

#include <cstring>

namespace csv {

namespace {

bool IsDelimiterCandidate(char c) {
    return c == ',' || c == ';' || c == '\t';
}

// The byte after the quoted text that opens at quote, read as the splitter reads it: a doubled
// quote stays inside the text. The end of the header where the quote is never closed.
const char* SkipQuoted(const char* quote) {
    const char* closing = std::strchr(quote + 1, '"');
    while (closing != nullptr && closing[1] == '"') {
        const char* next = std::strchr(closing + 2, '"');
        if (next == nullptr) {
            break;
        }
        closing = next;
    }
    return closing == nullptr ? quote + std::strlen(quote) : closing + 1;
}

}  // namespace

char ChooseDelimiter(const char* header) {
    bool semicolon = false;
    bool tab = false;
    const char* byte = header;
    bool fieldStart = true;
    while (*byte != '\0') {
        if (fieldStart && *byte == '"') {
            byte = SkipQuoted(byte);
            fieldStart = false;
            continue;
        }
        if (*byte == ',') {
            return ',';
        }
        semicolon = semicolon || *byte == ';';
        tab = tab || *byte == '\t';
        fieldStart = IsDelimiterCandidate(*byte);
        ++byte;
    }
    if (semicolon) {
        return ';';
    }
    return tab ? '\t' : ',';
}

}  // namespace csv
