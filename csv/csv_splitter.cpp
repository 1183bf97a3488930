#include "csv/csv_splitter.h"

#include <cstring>

#include "text/padded_search.h"

namespace csv {

namespace {

// Finds a byte of a line as std::strchr does, for any line.
class PlainTextSearch {
  public:
    explicit PlainTextSearch(char wanted) : wanted_(wanted) {}
    char* In(char* text) const { return std::strchr(text, wanted_); }

  private:
    char wanted_;
};

// Cuts the quoted field whose text starts at text (just after its opening quote). Returns the
// closing quote, or nullptr when there is none. A doubled quote inside the text becomes one
// quote; the text is moved left over the dropped quotes and ends in a NUL.
template <typename Search>
char* CutQuotedField(char* text, const Search& quotes) {
    char* closing = quotes.In(text);
    if (closing == nullptr) {
        return nullptr;
    }
    *closing = '\0';
    char* textEnd = closing;
    while (closing[1] == '"') {
        char* next = quotes.In(closing + 2);
        if (next == nullptr) {
            break;  // the field ends before the pair
        }
        *next = '\0';
        *textEnd++ = '"';
        const std::size_t run = static_cast<std::size_t>(next - (closing + 2));
        std::memmove(textEnd, closing + 2, run);
        textEnd += run;
        *textEnd = '\0';
        closing = next;
    }
    return closing;
}

template <typename Search>
int SplitFrom(CsvFieldTable& fields, int first, int lastRead, char delimiter, int* fieldsFound) {
    const Search delimiters(delimiter);
    const Search quotes('"');
    int found = 0;
    int result = 0;
    char* field = fields[first];
    for (int index = first;; ++index) {
        found = index + 1;
        char* rest = field;
        if (*field == '"') {
            fields[index] = ++field;
            rest = CutQuotedField(field, quotes);
            if (rest == nullptr) {
                result = kCsvBadFormat;
                break;
            }
            ++rest;  // text after the closing quote up to the delimiter is dropped
        }
        char* separator = delimiters.In(rest);
        if (separator == nullptr) {
            result = found;
            break;
        }
        *separator = '\0';
        field = separator + 1;
        fields[index + 1] = field;
        if (index + 1 == kCsvMaxFields) {
            result = kCsvMaxFields;  // the rest of the line stays unsplit in the last slot
            break;
        }
        if (index == lastRead && quotes.In(field) == nullptr) {
            result = found;
            break;
        }
    }
    if (fieldsFound != nullptr) {
        *fieldsFound = found;
    }
    return result;
}

template <typename Search>
int SplitLine(CsvFieldTable& fields, int lastRead, int* fieldsFound, char delimiter) {
    if (*fields[0] == '\0') {
        if (fieldsFound != nullptr) {
            *fieldsFound = 0;
        }
        return 0;
    }
    return SplitFrom<Search>(fields, 0, lastRead, delimiter, fieldsFound);
}

}  // namespace

int SplitCsvLine(CsvFieldTable& fields, int* fieldsFound, char delimiter) {
    return SplitLine<PlainTextSearch>(fields, kCsvMaxFields, fieldsFound, delimiter);
}

int SplitImageLineUpTo(CsvFieldTable& fields, int lastRead, int* fieldsFound, char delimiter) {
    return SplitLine<text::PaddedTextSearch>(fields, lastRead, fieldsFound, delimiter);
}

int ContinueCsvSplit(CsvFieldTable& fields, int first, char delimiter, int* fieldsFound) {
    return SplitFrom<PlainTextSearch>(fields, first, kCsvMaxFields, delimiter, fieldsFound);
}

}  // namespace csv
