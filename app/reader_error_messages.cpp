#include "app/reader_error_messages.h"

#include "app/text_format.h"
#include "recipients/reader_result.h"

namespace app {

using recipients::kBadCsvFormat;
using recipients::kBadSpeedDialFormat;
using recipients::kNoFaxColumn;
using recipients::kOpenFailed;
using recipients::kOutOfMemory;
using recipients::kReadFailed;
using recipients::kSizeFailed;

std::optional<ReaderErrorMessage> DescribeReaderError(int result, std::string_view sourcePath) {
    constexpr std::string_view kCaption = "CSV Import Error";
    std::string_view pattern;
    switch (result) {
        case kOpenFailed:
        case kSizeFailed:
        case kReadFailed:
            pattern = "Fail to access %s.\nNo data has been read for import.";
            break;
        case kOutOfMemory:
            pattern = "Insufficient memory to import data from %s.";
            break;
        case kNoFaxColumn:
            pattern = "Cannot find fax number in %s.\nNo entry will be imported.";
            break;
        case kBadCsvFormat:
            pattern = "Invalid CSV data format!\nCannot import data from %s.";
            break;
        case kBadSpeedDialFormat:
            pattern = "Invalid Speed Dial EWS CSV data format!\nCannot import data from %s.";
            break;
        default:
            return std::nullopt;
    }
    return ReaderErrorMessage{FillText(pattern, sourcePath), std::string(kCaption)};
}

}  // namespace app
