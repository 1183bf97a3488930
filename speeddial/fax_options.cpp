#include "speeddial/fax_options.h"

#include <array>
#include <cstring>
#include <string>

#include "speeddial/decimal_text.h"
#include "speeddial/option_text.h"

namespace speeddial {

namespace {

void ResetRelayArea(SpeedDialRecord& record) {
    CopyToField(record.relayStation, {});
    record.relayPFlag = '0';
    record.relayCount = 0;
    std::memset(record.relayDestinations, 0, sizeof record.relayDestinations);
}

// A destination as it is stored: three bytes and a terminator, which the checks below may move
// forward to cut the text short.
using DestinationText = std::array<char, kRelayDestinationSize + 1>;

DestinationText FillDestination(std::string_view part) {
    std::string text(part.substr(0, kRelayDestinationSize));
    PadLeftZeros(text, kRelayDestinationSize);
    DestinationText stored{};
    std::memcpy(stored.data(), text.data(), kRelayDestinationSize);
    return stored;
}

// Checks a filled destination; may cut a three-digit text to two digits in place.
bool AcceptDestination(DestinationText& stored) {
    char* digits = stored.data();
    while (*digits == '0') {
        ++digits;
    }
    if (*digits == '\0') {
        return true;
    }
    if (*digits == '#') {
        const std::int32_t key = ParseDecimal(digits + 1);
        return key >= 1 && key <= 9;
    }
    if (std::strlen(digits) > 2) {
        digits[2] = '\0';
    }
    if (digits[0] == '*') {
        return digits[1] == '*' || digits[1] == '\0';
    }
    if (digits[1] == '*') {
        return true;
    }
    return ParseDecimal(digits) >= 1;
}

void StoreDestinations(SpeedDialRecord& record, std::string_view list) {
    int count = 0;
    while (count < kRelayDestinationMax) {
        const auto slash = list.find('/');
        const std::string_view part = list.substr(0, slash);
        if (!part.empty()) {
            DestinationText stored = FillDestination(part);
            if (AcceptDestination(stored)) {
                std::memcpy(record.relayDestinations + count * kRelayDestinationSize, stored.data(),
                            kRelayDestinationSize);
                ++count;
            }
        }
        if (slash == std::string_view::npos) {
            break;
        }
        list.remove_prefix(slash + 1);
    }
    record.relayCount = count;
}

struct SplitValue {
    std::string_view first;
    std::string_view second;
    bool hasSecond = false;
};

SplitValue SplitAtColon(std::string_view value) {
    const auto colon = value.find(':');
    if (colon == std::string_view::npos) {
        return {value, {}, false};
    }
    return {value.substr(0, colon), value.substr(colon + 1), true};
}

}  // namespace

int EncodeRelayFax(SpeedDialRecord& record, std::string_view relayText) {
    ResetRelayArea(record);
    if (relayText.empty()) {
        return 0;
    }
    if (relayText.front() == 'P') {
        record.relayPFlag = '1';
        relayText.remove_prefix(1);
    }
    const auto slash = relayText.find('/');
    const std::string_view station = relayText.substr(0, slash).substr(0, 2);
    const std::int32_t stationNumber = ParseDecimal(station);
    if (stationNumber >= 1 && stationNumber <= 99) {
        CopyToField(record.relayStation, station);
    }
    if (slash != std::string_view::npos) {
        StoreDestinations(record, relayText.substr(slash + 1));
    }
    return record.relayCount >= 1 && record.relayStation[0] != '\0' ? 1 : 0;
}

int EncodeSecureFax(SpeedDialRecord& record, std::string_view secureText) {
    CopyToField(record.secureId, {});
    CopyToField(record.securePassword, {});
    if (secureText.empty()) {
        return 0;
    }
    const std::string value = DecodeOptionText(secureText);
    if (value.empty()) {
        return 0;
    }
    const SplitValue parts = SplitAtColon(value);
    CopyToField(record.secureId, parts.first);
    // A password of 1 to 3 bytes is kept but makes the setting unusable; the device wants 4.
    const bool usable = !parts.hasSecond || parts.second.empty() || parts.second.size() >= 4;
    CopyToField(record.securePassword, parts.second);
    return record.secureId[0] != '\0' && usable ? 1 : 0;
}

void EncodeFCode(SpeedDialRecord& record, std::string_view fCodeText) {
    CopyToField(record.fCodeSubaddress, {});
    CopyToField(record.fCodePassword, {});
    if (fCodeText.empty()) {
        return;
    }
    const std::string value = DecodeOptionText(fCodeText);
    if (value.empty()) {
        return;
    }
    const SplitValue parts = SplitAtColon(value);
    CopyToField(record.fCodeSubaddress, parts.first);
    CopyToField(record.fCodePassword, parts.second);
}

void ApplyFaxOptions(SpeedDialRecord& record, std::string_view relayText,
                     std::string_view secureText, std::string_view fCodeText) {
    const int relay = EncodeRelayFax(record, relayText);
    const int secure = EncodeSecureFax(record, secureText);
    // A record with both a usable relay and a usable secure setting is sent normally.
    if (relay == secure) {
        record.transmissionType = '0';
    } else if (relay == 1) {
        record.transmissionType = '1';
    } else {
        record.transmissionType = '4';
    }
    EncodeFCode(record, fCodeText);
}

}  // namespace speeddial
