#include "vcard/unicode_labels.h"

#include "vcard/vcard_property.h"

namespace vcard {

std::string GroupKey(std::string_view group) {
    std::string key(group);
    for (char& c : key) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return key;
}

std::set<CardGroup> FindFaxLabelGroups(std::string_view text, const text::TitleMatcher& faxWords) {
    std::set<CardGroup> groups;
    const char lineEnd = text.find('\n') == std::string_view::npos ? '\r' : '\n';
    std::size_t cards = 0;
    std::string line;
    VCardProperty property;
    while (!text.empty()) {
        const std::size_t end = text.find(lineEnd);
        line.assign(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!ParseVCardProperty(line.data(), property)) {
            continue;
        }
        if (IsWord(property.name, "BEGIN")) {
            cards += IsWord(property.value, "VCARD") ? 1 : 0;
        } else if (cards > 0 && !property.group.empty() && IsWord(property.name, "X-ABLABEL")) {
            if (property.quotedPrintable) {
                DecodeQuotedPrintable(property.value);
            }
            Unescape(property.value);
            if (faxWords.HoldsFaxWord(property.value)) {
                groups.emplace(cards - 1, GroupKey(property.group));
            }
        }
    }
    return groups;
}

}  // namespace vcard
