#pragma once

// What ReadCsvSource returns besides a count of picked entries (0 or more).
struct CsvResult {
    static constexpr int OpenFailed = -1;
    static constexpr int SizeFailed = -2;
    static constexpr int OutOfMemory = -3;
    static constexpr int ReadFailed = -4;
    static constexpr int NoFaxColumn = -5;
    static constexpr int BadCsvFormat = -6;
};
