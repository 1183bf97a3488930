// Any bytes as a speed-dial file: the reading must stay inside its buffers and leave records and
// per-entry lists that the picker and the writer can rely on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz/fuzz_platform.h"
#include "recipients/reader_result.h"
#include "speeddial/speed_dial_reader.h"
#include "speeddial/speed_dial_writer.h"
#include "text/text_image.h"

using namespace recipients;
using namespace csv;
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    text::TextImage image;
    if (image.Assign(std::string_view(reinterpret_cast<const char*>(data), size), FuzzPlatform()) !=
        0) {
        Require(size == 0);
        return 0;
    }
    RecipientCollection collection;
    SpeedDialRecords records;
    int rejected = -1;
    const int result = ParseSpeedDialImage(image, collection, rejected, records);
    if (result < 0) {
        Require(result == kBadSpeedDialFormat);
        Require(records.empty() && collection.speedDialNumbers.empty() && rejected == -1);
        return 0;
    }
    const std::size_t count = records.size();
    Require(static_cast<std::size_t>(result) == count && collection.count == result);
    Require(collection.speedDialNumbers.size() == count &&
            collection.secureFaxTexts.size() == count && collection.relayFaxTexts.size() == count &&
            collection.fCodeTexts.size() == count && collection.commModeTexts.size() == count);
    Require(rejected >= 0);
    for (std::size_t i = 0; i < count; ++i) {
        const SpeedDialRecord& record = records[i];
        RequireTerminated(record.name);
        RequireTerminated(record.faxNumber);
        Require(!FieldText(record.faxNumber).empty());
        Require(record.commMode >= 0 && record.commMode <= 2);
        Require(!collection.speedDialNumbers[i].empty());
        SpeedDialRecord options = record;
        std::memset(options.name, 0, sizeof options.name);
        std::memset(options.faxNumber, 0, sizeof options.faxNumber);
        options.commMode = 0;
        Require(std::memcmp(&options, &kBlankSpeedDialRecord, sizeof options) == 0);
    }

    // Choose every record, last first, and write them.
    collection.speedDialNumbers.clear();
    for (std::size_t i = count; i-- > 0;) {
        collection.speedDialNumbers.push_back(std::to_string(i));
    }
    std::string out;
    Require(WriteSpeedDialRecords(out, collection, records) == result);
    Require(out.size() == count * kSpeedDialRecordSize);
    return 0;
}
