// Any three option texts: the encoders may write only the option fields of the record, always
// terminate them, and the decoders never fail.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "speeddial/fax_options.h"
#include "speeddial/option_text.h"

using namespace speeddial;

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

template <std::size_t N>
void RequireTerminated(const char (&field)[N]) {
    Require(FieldText(field).size() < N);
    for (std::size_t i = FieldText(field).size(); i < N; ++i) {
        Require(field[i] == '\0');
    }
}

constexpr std::size_t kGuardSize = 64;
constexpr unsigned char kGuardByte = 0xA5;

#pragma pack(push, 1)
struct GuardedRecord {
    unsigned char before[kGuardSize];
    SpeedDialRecord record;
    unsigned char after[kGuardSize];
};
#pragma pack(pop)

bool GuardsIntact(const GuardedRecord& guarded) {
    for (std::size_t i = 0; i < kGuardSize; ++i) {
        if (guarded.before[i] != kGuardByte || guarded.after[i] != kGuardByte) {
            return false;
        }
    }
    return true;
}

// The relay text runs to the first 0x01 byte, the secure text to the next, the F code text to
// the end; seeded texts go through as they are, encoded ones through the ROT13 of Base64.
void SplitInput(std::string_view input, std::string_view (&texts)[3]) {
    for (int k = 0; k < 2; ++k) {
        const auto end = input.find('\x01');
        texts[k] = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    texts[2] = input;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view texts[3];
    SplitInput(input, texts);

    GuardedRecord guarded;
    std::memset(guarded.before, kGuardByte, kGuardSize);
    std::memset(guarded.after, kGuardByte, kGuardSize);
    guarded.record = kBlankSpeedDialRecord;
    CopyToField(guarded.record.name, "Name");
    CopyToField(guarded.record.faxNumber, "0123");
    guarded.record.commMode = 1;
    const SpeedDialRecord before = guarded.record;

    ApplyFaxOptions(guarded.record, texts[0], texts[1], texts[2]);
    const SpeedDialRecord& record = guarded.record;
    Require(GuardsIntact(guarded));
    Require(std::memcmp(&record, &before, offsetof(SpeedDialRecord, transmissionType)) == 0);
    Require(std::memcmp(record.reserved78, before.reserved78, sizeof record.reserved78) == 0);
    Require(std::memcmp(record.reserved188, before.reserved188, sizeof record.reserved188) == 0);
    Require(std::memcmp(record.reserved234, before.reserved234, sizeof record.reserved234) == 0);
    Require(record.transmissionType == '0' || record.transmissionType == '1' ||
            record.transmissionType == '4');
    Require(record.relayPFlag == '0' || record.relayPFlag == '1');
    Require(record.relayCount >= 0 && record.relayCount <= kRelayDestinationMax);
    const std::size_t used = static_cast<std::size_t>(record.relayCount) * kRelayDestinationSize;
    for (std::size_t i = used; i < sizeof record.relayDestinations; ++i) {
        Require(record.relayDestinations[i] == '\0');
    }
    RequireTerminated(record.secureId);
    RequireTerminated(record.securePassword);
    RequireTerminated(record.relayStation);
    RequireTerminated(record.fCodeSubaddress);
    RequireTerminated(record.fCodePassword);

    const std::string decoded = DecodeOptionText(input);
    Require(decoded.find('\0') == std::string::npos);
    Require(decoded.size() <= size / 4 * 3);
    Require(Rot13Letters(Rot13Letters(input)) == input);
    return 0;
}
