#include "speeddial/speed_dial_reader.h"

#include <algorithm>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "recipients/edit_field_in_place.h"
#include "recipients/recipient_entry.h"
#include "speeddial/decimal_text.h"
#include "ui/window_handle.h"

namespace speeddial {

using csv::CsvFieldTable;
using csv::SplitCsvLine;
using recipients::CleanFaxNumber;
using recipients::EditFieldInPlace;
using recipients::kBadSpeedDialFormat;
using recipients::kOutOfMemory;
using recipients::kReadFailed;
using recipients::RecipientCollection;
using recipients::ReplaceNameBrackets;
using recipients::TrimBlanks;
using text::CutHeaderLine;
using text::TextImage;

namespace {

// Columns of a data line.
constexpr int kNumberColumn = 0;
constexpr int kTypeColumn = 1;
constexpr int kFaxColumn = 2;
constexpr int kNameColumn = 3;
constexpr int kCommModeColumn = 6;
constexpr int kSecureFaxColumn = 11;
constexpr int kRelayFaxColumn = 12;
constexpr int kFCodeColumn = 14;
constexpr int kLastUsedColumn = 16;

constexpr int kHighestFormat = 2;

std::string_view TrimField(char* field) {
    return EditFieldInPlace(field, TrimBlanks);
}

bool Is(const char* field, std::string_view expected) {
    return field != nullptr && std::string_view(field) == expected;
}

bool IsValidHeader(const CsvFieldTable& fields) {
    if (!Is(fields[0], "*")) {
        return false;
    }
    for (int i = 1; i <= 3; ++i) {
        if (fields[i] == nullptr) {
            return false;
        }
        TrimField(fields[i]);
    }
    const std::int32_t format = ParseDecimal(fields[3]);
    return Is(fields[1], "1") && Is(fields[2], "0") && format >= 0 && format <= kHighestFormat;
}

std::int32_t CommModeFromText(std::string_view text) {
    switch (ParseLeadingDecimal(text)) {
        case 2:
        case 3:
            return 1;
        case 4:
            return 2;
        default:
            return 0;
    }
}

int SplitLine(CsvFieldTable& fields, char* line) {
    // A field the line does not have must read as absent, never as a field of an earlier line.
    fields.fill(nullptr);
    fields[0] = line;
    return SplitCsvLine(fields);
}

}  // namespace

int ParseSpeedDialLine(const CsvFieldTable& fields, SpeedDialRecord& record,
                       RecipientCollection& collection) {
    if (!Is(fields[kTypeColumn], "X") && !Is(fields[kTypeColumn], "P")) {
        return 0;
    }
    if (fields[kNumberColumn] == nullptr || TrimField(fields[kNumberColumn]).empty()) {
        return 0;
    }
    const auto cleanFax = [](std::string& fax) { CleanFaxNumber(fax); };
    if (fields[kFaxColumn] == nullptr || EditFieldInPlace(fields[kFaxColumn], cleanFax).empty()) {
        return 0;
    }
    collection.secureFaxTexts.emplace_back();
    collection.relayFaxTexts.emplace_back();
    collection.fCodeTexts.emplace_back();
    collection.commModeTexts.emplace_back();
    for (int column = 0; column <= kLastUsedColumn && fields[column] != nullptr; ++column) {
        char* field = fields[column];
        switch (column) {
            case kNumberColumn:
                collection.speedDialNumbers.emplace_back(field);  // trimmed by the check above
                break;
            case kFaxColumn:
                CopyToField(record.faxNumber, field);
                break;
            case kNameColumn:
                CopyToField(record.name, EditFieldInPlace(field, ReplaceNameBrackets));
                break;
            case kCommModeColumn: {
                const std::string_view text = TrimField(field);
                collection.commModeTexts.back() = text;
                record.commMode = CommModeFromText(text);
                break;
            }
            case kSecureFaxColumn:
                collection.secureFaxTexts.back() = field;
                break;
            case kRelayFaxColumn:
                collection.relayFaxTexts.back() = field;
                break;
            case kFCodeColumn:
                collection.fCodeTexts.back() = field;
                break;
            default:
                break;
        }
    }
    return 1;
}

int ParseSpeedDialImage(text::TextImage& image, RecipientCollection& collection, int& rejectedCount,
                        SpeedDialRecords& records) {
    char* const header = text::CutHeaderLine(image);
    if (header == nullptr) {
        return kReadFailed;
    }
    std::vector<char*> lines;
    if (!image.CutLines(lines)) {
        return kOutOfMemory;
    }

    CsvFieldTable fields{};
    SplitLine(fields, header);
    if (!IsValidHeader(fields)) {
        return kBadSpeedDialFormat;
    }

    // Room for every line that may hold a record, so that the buffer is allocated once.
    const auto dataLines =
        std::count_if(lines.begin(), lines.end(), [](const char* line) { return *line != '\0'; });
    records.clear();
    try {
        records.reserve(static_cast<std::size_t>(dataLines));
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    rejectedCount = 0;
    // The text after the last line feed is read too: many exports end without one.
    for (char* line : lines) {
        const int fieldCount = SplitLine(fields, line);
        if (fieldCount == 0) {
            continue;
        }
        if (fieldCount == 1 && Is(fields[0], "*")) {
            break;
        }
        // A line with an unterminated quote is taken with the fields the splitter found.
        records.push_back(kBlankSpeedDialRecord);
        if (ParseSpeedDialLine(fields, records.back(), collection) == 0) {
            records.pop_back();
            ++rejectedCount;
        }
    }
    collection.count = static_cast<int>(records.size());
    return collection.count;
}

int ReadSpeedDialSource(const std::string& fileName, RecipientCollection& collection,
                        int& rejectedCount, SpeedDialRecords& records, SpeedDialDialogs& dialogs,
                        ui::Platform& platform) {
    // Memory that runs out anywhere, a picker that cannot offer every entry included, ends the
    // read with nothing taken.
    try {
        int accepted = 0;
        {
            text::TextImage image;
            if (const int loaded = image.Load(fileName, platform); loaded != 0) {
                return loaded;
            }
            accepted = ParseSpeedDialImage(image, collection, rejectedCount, records);
        }
        if (accepted < 0) {
            return accepted;
        }
        if (dialogs.PickEntries(fileName, records, collection) == ui::kIdOk) {
            return collection.count;
        }
        collection.count = 0;
        collection.entries.clear();
        return 0;
    } catch (const std::bad_alloc&) {
        collection.count = 0;
        collection.entries.clear();
        return kOutOfMemory;
    }
}

}  // namespace speeddial
