#pragma once

namespace recipients {

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

}  // namespace recipients
