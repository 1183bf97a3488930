#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "csv/csv_dialect.h"
#include "csv/csv_splitter.h"
#include "text/padded_search.h"

using namespace csv;

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

// Any line, split at the delimiter it would choose as a header: the result is a field count or
// the format error, and every slot it reports lies inside the line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string line(reinterpret_cast<const char*>(data), size);
    char* const begin = line.data();
    char* const end = begin + std::strlen(begin);
    CsvFieldTable fields{};
    fields[0] = begin;
    int found = -1;
    const int result = SplitCsvLine(fields, &found, ChooseDelimiter(begin));
    Require(result == kCsvBadFormat || (result >= 0 && result <= kCsvMaxFields));
    Require(found >= 0 && found <= kCsvMaxFields);
    Require(result == kCsvBadFormat ? found >= 1 : found == result);
    for (int index = 0; index < found; ++index) {
        Require(fields[index] >= begin && fields[index] <= end);
        Require(fields[index] + std::strlen(fields[index]) <= end);
    }
    if (result == kCsvMaxFields && fields[kCsvMaxFields] != nullptr) {
        Require(fields[kCsvMaxFields] >= begin && fields[kCsvMaxFields] <= end);
    }

    // The same line as a file image holds it, split up to a field chosen by the first byte:
    // the fields up to it and the verdict on the line's form are the whole split's.
    std::vector<char> image(size + 1 + text::kSearchPadding, '\0');
    std::copy(data, data + size, image.begin());
    CsvFieldTable imageFields{};
    imageFields[0] = image.data();
    const int lastRead = size == 0 ? 0 : data[0] % 8;
    int imageFound = -1;
    const int imageResult =
        SplitImageLineUpTo(imageFields, lastRead, &imageFound, ChooseDelimiter(image.data()));
    Require((imageResult == kCsvBadFormat) == (result == kCsvBadFormat));
    Require(std::min(imageFound, lastRead + 1) == std::min(found, lastRead + 1));
    for (int index = 0; index < std::min(found, lastRead + 1); ++index) {
        Require(std::strcmp(imageFields[index], fields[index]) == 0);
    }
    return 0;
}
