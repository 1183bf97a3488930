#include "app/result_file.h"

#include <algorithm>
#include <cstdint>

#include "recipients/recipient_entry.h"

namespace app {

using recipients::kFieldTextMax;
using recipients::kSourceSpeedDial;
using recipients::RecipientCollection;
using recipients::SourceKind;
using recipients::SplitRecipientEntry;

namespace {

void PutInt32(std::string& out, std::size_t at, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        out[at + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
}

// A 31-byte field: at most 30 bytes of text, zero-filled behind it.
void AppendField(std::string& out, std::string_view text) {
    const std::size_t length = std::min(text.size(), kFieldTextMax);
    out.append(text.substr(0, length));
    out.append(kFieldTextMax + 1 - length, '\0');
}

}  // namespace

std::string BuildResultFile(RecipientCollection& collection, SourceKind kind,
                            SourceReaders& sources) {
    // The count declares the records that follow, so it is written once they are.
    std::string out(4, '\0');
    if (kind == kSourceSpeedDial) {
        PutInt32(out, 0, sources.AppendSpeedDialRecords(out, collection));
        return out;
    }
    const auto written =
        std::min<std::size_t>(std::max(collection.count, 0), collection.entries.size());
    PutInt32(out, 0, static_cast<std::int32_t>(written));
    out.reserve(4 + written * kNameFaxRecordSize);
    std::string name;
    std::string fax;
    for (std::size_t i = 0; i < written; ++i) {
        SplitRecipientEntry(collection.entries[i], name, fax);
        AppendField(out, name);
        AppendField(out, fax);
    }
    return out;
}

}  // namespace app
