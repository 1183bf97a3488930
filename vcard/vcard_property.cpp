#include "vcard/vcard_property.h"

#include <cstring>

#include "recipients/ansi_code_page.h"

namespace vcard {

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char upper = static_cast<char>(c & ~0x20);
    return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

std::string_view Unquoted(std::string_view text) {
    const auto first = text.find_first_not_of("\" ");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of("\" ") - first + 1);
}

bool HasFaxType(std::string_view types) {
    while (!types.empty()) {
        const auto comma = types.find(',');
        if (IsWord(Unquoted(types.substr(0, comma)), "FAX")) {
            return true;
        }
        types = comma == std::string_view::npos ? std::string_view{} : types.substr(comma + 1);
    }
    return false;
}

// A parameter is "KEY=VALUE[,VALUE]" or, in vCard 2.1, a bare value: a type or an encoding.
void TakeParameter(std::string_view parameter, VCardProperty& property,
                   const text::TitleMatcher* faxWords) {
    const auto holdsFaxWord = [faxWords](std::string_view text) {
        return faxWords != nullptr && faxWords->HoldsFaxWord(text);
    };
    const auto equals = parameter.find('=');
    if (equals == std::string_view::npos) {
        property.quotedPrintable =
            property.quotedPrintable || IsWord(parameter, "QUOTED-PRINTABLE");
        property.fax = property.fax || IsWord(parameter, "FAX") || holdsFaxWord(parameter);
        return;
    }
    const std::string_view key = parameter.substr(0, equals);
    const std::string_view value = parameter.substr(equals + 1);
    if (IsWord(key, "TYPE")) {
        property.fax = property.fax || HasFaxType(value) || holdsFaxWord(value);
    } else if (IsWord(key, "LABEL") || IsWord(key, "X-ABLABEL")) {
        property.fax = property.fax || holdsFaxWord(value);
    } else if (IsWord(key, "ENCODING")) {
        property.quotedPrintable =
            property.quotedPrintable || IsWord(Unquoted(value), "QUOTED-PRINTABLE");
    } else if (IsWord(key, "CHARSET")) {
        property.utf8 = property.utf8 || IsWord(Unquoted(value), "UTF-8");
    }
}

bool StartsWithWord(const char* text, std::string_view word) {
    for (const char letter : word) {
        const char c = *text++;
        if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) != letter) {
            return false;  // also at the text's NUL
        }
    }
    return true;
}

}  // namespace

bool IsWord(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) != word[i]) {
            return false;
        }
    }
    return true;
}

bool ParseVCardProperty(char* line, VCardProperty& property, const text::TitleMatcher* faxWords) {
    property = {};
    while (*line == ' ' || *line == '\t') {
        ++line;
    }
    char* colon = line;
    bool quoted = false;
    for (; *colon != '\0' && (quoted || *colon != ':'); ++colon) {
        quoted = quoted != (*colon == '"');
    }
    if (*colon != ':') {
        return false;
    }
    const std::string_view head(line, static_cast<std::size_t>(colon - line));
    std::string_view name = head.substr(0, head.find(';'));
    if (const auto dot = name.rfind('.'); dot != std::string_view::npos) {
        property.group = name.substr(0, dot);
        name.remove_prefix(dot + 1);
    }
    property.name = name;
    std::size_t start = head.find(';');
    while (start != std::string_view::npos) {
        ++start;
        std::size_t end = start;
        for (quoted = false; end < head.size() && (quoted || head[end] != ';'); ++end) {
            quoted = quoted != (head[end] == '"');
        }
        TakeParameter(head.substr(start, end - start), property, faxWords);
        start = end < head.size() ? end : std::string_view::npos;
    }
    property.value = colon + 1;
    return true;
}

void DecodeQuotedPrintable(char* text) {
    char* write = text;
    for (const char* read = text; *read != '\0'; ++write) {
        if (read[0] == '=' && HexValue(read[1]) >= 0 && HexValue(read[2]) >= 0) {
            *write = static_cast<char>(HexValue(read[1]) * 16 + HexValue(read[2]));
            read += 3;
        } else {
            *write = *read++;
        }
    }
    *write = '\0';
}

int CutComponents(char* value, char** components, int most) {
    int count = 0;
    char* byte = value;
    components[count++] = byte;
    for (; *byte != '\0'; ++byte) {
        // A backslash escapes, and a lead byte carries, the byte after it.
        if ((*byte == '\\' || recipients::IsLeadByte(*byte)) && byte[1] != '\0') {
            ++byte;
        } else if (*byte == ';') {
            *byte = '\0';
            if (count == most) {
                break;
            }
            components[count++] = byte + 1;
        }
    }
    return count;
}

void Unescape(char* text) {
    char* write = text;
    for (const char* read = text; *read != '\0'; ++write) {
        if (recipients::IsLeadByte(read[0]) && read[1] != '\0') {
            *write++ = *read++;
            *write = *read++;
        } else if (read[0] == '\\' && read[1] != '\0' &&
                   std::strchr("\\,;:nN", read[1]) != nullptr) {
            *write = (read[1] == 'n' || read[1] == 'N') ? ' ' : read[1];
            read += 2;
        } else {
            *write = *read++;
        }
    }
    *write = '\0';
}

char* TelephoneNumber(char* value) {
    while (*value == ' ') {
        ++value;
    }
    if (StartsWithWord(value, "TEL:")) {
        value += 4;
        if (char* parameters = std::strchr(value, ';'); parameters != nullptr) {
            *parameters = '\0';
        }
        return value;
    }
    for (char* byte = std::strchr(value, ';'); byte != nullptr; byte = std::strchr(byte + 1, ';')) {
        if (StartsWithWord(byte, ";EXT=")) {
            *byte = '\0';
            break;
        }
    }
    return value;
}

}  // namespace vcard
