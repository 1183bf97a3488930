#include "tests/scenario_library/result_file.h"
#include "ui/host_protocol.h"

#include <cstdint>

namespace scenario {

namespace {

constexpr std::size_t kRelayEntrySize = 3;
constexpr std::size_t kRelayEntryCount = 20;

std::int32_t ReadInt32(std::string_view bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i]))
                 << (8 * i);
    }
    return static_cast<std::int32_t>(value);
}

std::string RelayDestinations(std::string_view record, const RecordField& field) {
    std::vector<std::string> entries;
    for (std::size_t k = 0; k < kRelayEntryCount; ++k) {
        entries.push_back(FixedText(record, field.offset + k * kRelayEntrySize, kRelayEntrySize));
    }
    while (!entries.empty() && entries.back().empty())
        entries.pop_back();
    std::string joined;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (k > 0)
            joined += '/';
        joined += entries[k];
    }
    return joined;
}

}  // namespace

const std::vector<RecordField>& SpeedDialFields() {
    static const std::vector<RecordField> fields = {
        {"name", 0, 31, FieldKind::Text},
        {"faxNumber", 31, 31, FieldKind::Text},
        {"commMode", 64, 4, FieldKind::Integer},
        {"transmissionType", 68, 1, FieldKind::Text},
        {"secureId", 69, 4, FieldKind::Text},
        {"securePassword", 73, 5, FieldKind::Text},
        {"relayStation", 80, 3, FieldKind::Text},
        {"relayPFlag", 83, 1, FieldKind::Text},
        {"relayCount", 84, 4, FieldKind::Integer},
        {"relayDestinations", 88, 100, FieldKind::RelayDestinations},
        {"fCodeSubaddress", 192, 21, FieldKind::Text},
        {"fCodePassword", 213, 21, FieldKind::Text},
    };
    return fields;
}

const RecordField* FindSpeedDialField(std::string_view name) {
    for (const RecordField& field : SpeedDialFields()) {
        if (field.name == name)
            return &field;
    }
    return nullptr;
}

std::string FixedText(std::string_view record, std::size_t offset, std::size_t width) {
    if (offset >= record.size())
        return {};
    const std::string_view field = record.substr(offset, width);
    return std::string(field.substr(0, field.find('\0')));
}

std::string FieldValue(std::string_view record, const RecordField& field) {
    switch (field.kind) {
        case FieldKind::Integer:
            if (field.offset + 4 > record.size())
                return {};
            return std::to_string(ReadInt32(record, field.offset));
        case FieldKind::RelayDestinations:
            return RelayDestinations(record, field);
        case FieldKind::Text:
            break;
    }
    return FixedText(record, field.offset, field.width);
}

std::optional<long long> ResultCount(std::string_view file) {
    if (file.size() < kCountSize)
        return std::nullopt;
    return ReadInt32(file, 0);
}

std::size_t RecordSizeFor(std::optional<int> command, std::string_view file) {
    if (command == ui::kSpeedDialImportedCommand)
        return kSpeedDialRecordSize;
    if (command == ui::kNameFaxImportedCommand)
        return kNameFaxRecordSize;
    const std::optional<long long> count = ResultCount(file);
    if (count && *count > 0 &&
        file.size() == kCountSize + static_cast<std::size_t>(*count) * kSpeedDialRecordSize) {
        return kSpeedDialRecordSize;
    }
    return kNameFaxRecordSize;
}

std::vector<std::string> DescribeRecords(std::string_view file, std::size_t recordSize) {
    std::vector<std::string> lines;
    for (std::size_t start = kCountSize; start + recordSize <= file.size(); start += recordSize) {
        const std::string_view record = file.substr(start, recordSize);
        std::string line = FixedText(record, 0, 31) + " [" + FixedText(record, 31, 31) + "]";
        if (recordSize == kSpeedDialRecordSize) {
            for (const RecordField& field : SpeedDialFields()) {
                if (field.offset < 62)
                    continue;
                line += "  " + std::string(field.name) + "=" + FieldValue(record, field);
            }
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace scenario
