#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the file readers return: a count of accepted entries (0 or more) or one of these codes.
enum ReaderResult : int {
    kOpenFailed = -1,
    kSizeFailed = -2,
    kOutOfMemory = -3,
    kReadFailed = -4,
    kNoFaxColumn = -5,
    kBadCsvFormat = -6,
    kBadSpeedDialFormat = -7,
};

struct ReaderErrorMessage {
    std::string text;
    std::string caption;
};

// The message box for an error code, with the source path in place of "%s"; nothing for a count.
std::optional<ReaderErrorMessage> DescribeReaderError(int result, std::string_view sourcePath);
