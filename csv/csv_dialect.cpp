#include "csv/csv_dialect.h"

#include <array>
#include <cstring>

namespace csv {

namespace {

constexpr std::array<char, 3> kDelimiters = {',', ';', '\t'};
// Data lines enough to tell a delimiter that splits every record from one that a value holds.
constexpr int kSampleLines = 4;

// The number of fields the splitter makes of the line with this delimiter: a field that opens
// with a quote runs to its closing quote (a doubled quote stays inside), or to the end of the
// line where it is never closed.
std::size_t FieldCount(std::string_view line, char delimiter) {
    std::size_t fields = 1;
    std::size_t i = 0;
    bool fieldStart = true;
    while (i < line.size()) {
        if (fieldStart && line[i] == '"') {
            std::size_t closing = line.find('"', i + 1);
            while (closing != std::string_view::npos && closing + 1 < line.size() &&
                   line[closing + 1] == '"') {
                const std::size_t next = line.find('"', closing + 2);
                if (next == std::string_view::npos) {
                    break;
                }
                closing = next;
            }
            if (closing == std::string_view::npos) {
                break;
            }
            i = closing + 1;
            fieldStart = false;
            continue;
        }
        fieldStart = line[i] == delimiter;
        fields += fieldStart ? 1 : 0;
        ++i;
    }
    return fields;
}

// The next line that is not empty, without its line end; empty when none is left.
std::string_view NextDataLine(std::string_view& text) {
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        std::string_view line = text.substr(0, feed);
        text.remove_prefix(feed == std::string_view::npos ? text.size() : feed + 1);
        if (!line.empty() && line.back() == '\r' && feed != std::string_view::npos) {
            line.remove_suffix(1);
        }
        if (!line.empty()) {
            return line;
        }
    }
    return {};
}

}  // namespace

char ChooseDelimiter(const char* header, std::string_view following) {
    std::array<std::string_view, kSampleLines> samples{};
    int sampleCount = 0;
    while (sampleCount < kSampleLines) {
        const std::string_view line = NextDataLine(following);
        if (line.empty()) {
            break;
        }
        samples[sampleCount++] = line;
    }
    const std::string_view headerText(header, std::strlen(header));
    char chosen = ',';
    std::size_t bestFields = 1;
    int bestAgreeing = -1;
    for (const char delimiter : kDelimiters) {
        const std::size_t fields = FieldCount(headerText, delimiter);
        if (fields < 2) {
            continue;
        }
        int agreeing = 0;
        for (int i = 0; i < sampleCount; ++i) {
            agreeing += FieldCount(samples[i], delimiter) == fields ? 1 : 0;
        }
        if (agreeing > bestAgreeing || (agreeing == bestAgreeing && fields > bestFields)) {
            chosen = delimiter;
            bestFields = fields;
            bestAgreeing = agreeing;
        }
    }
    return chosen;
}

}  // namespace csv
