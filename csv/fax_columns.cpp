#include "csv/fax_columns.h"

#include <cstring>
#include <string_view>

namespace csv {

namespace {

constexpr std::string_view kListSeparator = " ::: ";

// The accented capital and small E of code page 1252; the header's upper-casing leaves them.
bool IsE(char c) {
    return c == 'E' || c == '\xC9' || c == '\xE9';
}

bool HoldsTelecopie(std::string_view title) {
    constexpr std::string_view kWord = "TELECOPIE";
    for (std::size_t start = 0; start + kWord.size() <= title.size(); ++start) {
        std::size_t i = 0;
        while (i < kWord.size() &&
               (kWord[i] == 'E' ? IsE(title[start + i]) : title[start + i] == kWord[i])) {
            ++i;
        }
        if (i == kWord.size()) {
            return true;
        }
    }
    return false;
}

bool IsFaxTitle(std::string_view title) {
    return title.find("FAX") != std::string_view::npos ||
           title.find("FACSIMILE") != std::string_view::npos || HoldsTelecopie(title);
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The prefix P of a title "P - SUFFIX"; empty when the title has another form.
std::string_view PrefixBefore(std::string_view title, std::string_view suffix) {
    if (title.size() <= suffix.size() || !title.ends_with(suffix)) {
        return {};
    }
    return title.substr(0, title.size() - suffix.size());
}

int LabelColumnFor(std::string_view prefix, const CsvFieldTable& header, int count) {
    for (int index = 0; index < count; ++index) {
        const std::string_view title = Trimmed(header[index]);
        if (PrefixBefore(title, " - LABEL") == prefix || PrefixBefore(title, " - TYPE") == prefix) {
            return index;
        }
    }
    return -1;
}

}  // namespace

std::vector<FaxColumn> FindFaxColumns(const CsvFieldTable& header, int count,
                                      std::span<const ColumnTitle> titles) {
    std::vector<FaxColumn> columns;
    for (int index = 0; index < count; ++index) {
        const std::string_view title = header[index];
        if (IsFaxTitle(title) || titles[static_cast<std::size_t>(index)].fax) {
            columns.push_back({index, -1});
            continue;
        }
        const std::string_view prefix = PrefixBefore(Trimmed(title), " - VALUE");
        if (prefix.empty()) {
            continue;
        }
        if (const int label = LabelColumnFor(prefix, header, count); label >= 0) {
            columns.push_back({index, label});
        }
    }
    return columns;
}

bool LabelNamesFax(const char* label) {
    for (const char* byte = label; *byte != '\0'; ++byte) {
        if ((byte[0] | 0x20) == 'f' && (byte[1] | 0x20) == 'a' && (byte[2] | 0x20) == 'x') {
            return true;
        }
    }
    return false;
}

char* CutFirstOfList(char* values) {
    char* separator = std::strstr(values, kListSeparator.data());
    if (separator == nullptr) {
        return nullptr;
    }
    *separator = '\0';
    return separator + kListSeparator.size();
}

}  // namespace csv
