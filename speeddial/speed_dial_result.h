#pragma once

// Result codes of the speed-dial reader, the same values as the CSV reader's.
namespace speeddial {

inline constexpr int kOpenFailed = -1;
inline constexpr int kSizeFailed = -2;
inline constexpr int kOutOfMemory = -3;
inline constexpr int kReadFailed = -4;
inline constexpr int kBadSpeedDialFormat = -7;

}  // namespace speeddial
