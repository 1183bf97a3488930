#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <vector>

#include "recipients/ansi_code_page.h"

// One speed-dial entry exactly as the host reads it from the result file: 236 bytes, texts
// NUL-terminated with zero bytes behind them, integers little-endian. Default construction gives
// the record template every record starts from.
#pragma pack(push, 1)
struct SpeedDialRecord {
    char name[31] = {};
    char faxNumber[31] = {};
    char reserved62[2] = {};
    std::int32_t commMode = 0;
    char transmissionType = '0';
    char secureId[4] = {};
    char securePassword[5] = {};
    char reserved78[2] = {};
    char relayStation[3] = {};
    char relayPFlag = '0';
    std::int32_t relayCount = 0;
    char relayDestinations[100] = {};  // 20 entries of 3 bytes, then zero
    char reserved188[4] = {};
    char fCodeSubaddress[21] = {};
    char fCodePassword[21] = {};
    char reserved234[2] = {};
};
#pragma pack(pop)

namespace speeddial {

inline constexpr std::size_t kSpeedDialRecordSize = 236;
inline constexpr int kRelayDestinationMax = 20;
inline constexpr std::size_t kRelayDestinationSize = 3;

// The record is written byte for byte, so its memory image must be the file layout.
static_assert(std::endian::native == std::endian::little);
static_assert(std::is_standard_layout_v<SpeedDialRecord>);
static_assert(std::is_trivially_copyable_v<SpeedDialRecord>);
static_assert(sizeof(SpeedDialRecord) == kSpeedDialRecordSize);
static_assert(offsetof(SpeedDialRecord, name) == 0);
static_assert(offsetof(SpeedDialRecord, faxNumber) == 31);
static_assert(offsetof(SpeedDialRecord, reserved62) == 62);
static_assert(offsetof(SpeedDialRecord, commMode) == 64);
static_assert(offsetof(SpeedDialRecord, transmissionType) == 68);
static_assert(offsetof(SpeedDialRecord, secureId) == 69);
static_assert(offsetof(SpeedDialRecord, securePassword) == 73);
static_assert(offsetof(SpeedDialRecord, reserved78) == 78);
static_assert(offsetof(SpeedDialRecord, relayStation) == 80);
static_assert(offsetof(SpeedDialRecord, relayPFlag) == 83);
static_assert(offsetof(SpeedDialRecord, relayCount) == 84);
static_assert(offsetof(SpeedDialRecord, relayDestinations) == 88);
static_assert(offsetof(SpeedDialRecord, reserved188) == 188);
static_assert(offsetof(SpeedDialRecord, fCodeSubaddress) == 192);
static_assert(offsetof(SpeedDialRecord, fCodePassword) == 213);
static_assert(offsetof(SpeedDialRecord, reserved234) == 234);
static_assert(sizeof(SpeedDialRecord::relayDestinations) >=
              kRelayDestinationMax * kRelayDestinationSize);

// The record template: every record starts as this.
inline constexpr SpeedDialRecord kBlankSpeedDialRecord{};

// The speed-dial record buffer: made by the reader, held by the run until the run ends.
using SpeedDialRecords = std::vector<SpeedDialRecord>;

// Copies at most N - 1 bytes of the text into the field, never half a character, and zero-fills
// the rest, so the field always ends with a NUL and nothing beyond it is touched.
template <std::size_t N>
void CopyToField(char (&field)[N], std::string_view text) {
    const std::size_t length = recipients::WholeCharacterLength(text, N - 1);
    for (std::size_t i = 0; i < N; ++i) {
        field[i] = i < length ? text[i] : '\0';
    }
}

// The text of a field, up to its first NUL.
template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
    std::size_t length = 0;
    while (length < N && field[length] != '\0') {
        ++length;
    }
    return {field, length};
}

}  // namespace speeddial
