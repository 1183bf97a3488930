#include "speeddial/speed_dial_writer.h"

#include <algorithm>
#include <cstddef>

#include "speeddial/decimal_text.h"
#include "speeddial/fax_options.h"

namespace speeddial {

using recipients::RecipientCollection;

namespace {

bool NamesRecord(std::int32_t index, const RecipientCollection& collection,
                 const SpeedDialRecords& records) {
    if (index < 0) {
        return false;
    }
    const auto d = static_cast<std::size_t>(index);
    return d < records.size() && d < collection.relayFaxTexts.size() &&
           d < collection.secureFaxTexts.size() && d < collection.fCodeTexts.size();
}

}  // namespace

int WriteSpeedDialRecords(std::string& out, const RecipientCollection& collection,
                          SpeedDialRecords& records) {
    const std::size_t chosen = std::min(static_cast<std::size_t>(std::max(collection.count, 0)),
                                        collection.speedDialNumbers.size());
    int written = 0;
    for (std::size_t i = 0; i < chosen; ++i) {
        const std::int32_t index = ParseLeadingDecimal(collection.speedDialNumbers[i]);
        if (!NamesRecord(index, collection, records)) {
            continue;
        }
        const auto d = static_cast<std::size_t>(index);
        SpeedDialRecord& record = records[d];
        ApplyFaxOptions(record, collection.relayFaxTexts[d], collection.secureFaxTexts[d],
                        collection.fCodeTexts[d]);
        out.append(reinterpret_cast<const char*>(&record), sizeof record);
        ++written;
    }
    return written;
}

}  // namespace speeddial
