#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

// The host learns the record layout of the result file from the command id the tool posts.
constexpr std::size_t kCountSize = 4;
constexpr std::size_t kNameFaxRecordSize = 62;
constexpr std::size_t kSpeedDialRecordSize = 236;

enum class FieldKind { Text, Integer, RelayDestinations };

struct RecordField {
    std::string_view name;
    std::size_t offset;
    std::size_t width;
    FieldKind kind;
};

// The fields of the 236-byte speed-dial record, name and faxNumber first.
const std::vector<RecordField>& SpeedDialFields();
const RecordField* FindSpeedDialField(std::string_view name);

// A field's value as a scenario writes it: texts up to their NUL, integers in decimal, relay
// destinations as their entries joined by '/' (trailing empty entries left out).
std::string FieldValue(std::string_view record, const RecordField& field);
// The text of a fixed field up to its first NUL.
std::string FixedText(std::string_view record, std::size_t offset, std::size_t width);

// The 32-bit little-endian count at the start of a result file; nothing when it is shorter.
std::optional<long long> ResultCount(std::string_view file);

// The record size for the command the tool posted; without one, the layout that fits the file.
std::size_t RecordSizeFor(std::optional<int> command, std::string_view file);

// One line per record for people: "name [fax]", and for speed-dial records the option fields.
std::vector<std::string> DescribeRecords(std::string_view file, std::size_t recordSize);

}  // namespace scenario
