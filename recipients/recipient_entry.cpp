#include "recipients/recipient_entry.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "recipients/ansi_code_page.h"

namespace recipients {

namespace {

constexpr bool IsKeptFaxByte(unsigned char byte) {
    return byte > 0x20 && byte < 0x7B && byte != ',' && byte != '[' && byte != ']';
}

constexpr char UpperCaseAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// What each byte becomes in a fax field: itself upper-cased, or NUL where it is dropped. A large
// file has millions of fax fields, so a byte costs one lookup.
constexpr std::array<char, 256> kFaxFieldBytes = [] {
    std::array<char, 256> bytes{};
    for (int byte = 0; byte < 256; ++byte) {
        const char upper = UpperCaseAscii(static_cast<char>(byte));
        bytes[byte] = IsKeptFaxByte(static_cast<unsigned char>(upper)) ? upper : '\0';
    }
    return bytes;
}();

// Replaces every bracket byte in [text, end).
void ReplaceByte(char* text, const char* end, char bracket, char replacement) {
    while ((text = static_cast<char*>(std::memchr(text, bracket, end - text))) != nullptr) {
        *text++ = replacement;
    }
}

void ReplaceBrackets(char* name, std::size_t length) {
    if (!HasLeadBytes()) {
        // Names seldom hold a bracket: a search a block at a time passes over them.
        ReplaceByte(name, name + length, '[', '(');
        ReplaceByte(name, name + length, ']', ')');
        return;
    }
    for (std::size_t i = 0; i < length; ++i) {
        const char byte = name[i];
        if (IsLeadByte(byte)) {
            ++i;  // the second byte of a double-byte character is never a bracket
        } else if (byte == '[') {
            name[i] = '(';
        } else if (byte == ']') {
            name[i] = ')';
        }
    }
}

struct CleanedLength {
    std::size_t kept;
    bool hasDigit;
};

// The fax cleaning of a code page with double-byte characters: a full-width sign counts as its
// ASCII form, any other double-byte character goes whole, so that no second byte becomes a digit
// or a letter.
CleanedLength CleanDoubleByteFax(char* text, std::size_t length, std::size_t most) {
    std::size_t kept = 0;
    bool hasDigit = false;
    for (std::size_t read = 0; read < length && kept < most;) {
        const bool lead = IsLeadByte(text[read]);
        char sign = text[read];
        if (lead) {
            sign = read + 1 < length ? FullWidthSign(text[read], text[read + 1]) : '\0';
            ++read;
        }
        ++read;
        const char c = kFaxFieldBytes[static_cast<unsigned char>(sign)];
        text[kept] = c;
        kept += c != '\0';
        hasDigit |= c >= '0' && c <= '9';
    }
    return {kept, hasDigit};
}

}  // namespace

std::size_t CleanFaxNumber(std::string& fax) {
    if (HasLeadBytes()) {
        fax.resize(CleanDoubleByteFax(fax.data(), fax.size(), fax.size()).kept);
        return fax.size();
    }
    for (char& c : fax) {
        c = UpperCaseAscii(c);
    }
    std::erase_if(fax, [](char c) { return !IsKeptFaxByte(static_cast<unsigned char>(c)); });
    return fax.size();
}

void ReplaceNameBrackets(std::string& name) {
    ReplaceBrackets(name.data(), name.size());
}

void TrimBlanks(std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        text.clear();
        return;
    }
    text.erase(text.find_last_not_of(' ') + 1);
    text.erase(0, first);
}

std::string MakeRecipientEntry(std::string_view name, std::string_view fax) {
    std::string entry;
    entry.reserve(name.size() + fax.size() + 3);
    entry.append(name).append(" [").append(fax).append("]");
    return entry;
}

AddResult AddRecipientEntry(std::string& name, std::string& fax, RecipientCollection& collection) {
    if (CleanFaxNumber(fax) == 0) {
        return AddResult::Rejected;
    }
    TrimBlanks(name);
    ReplaceNameBrackets(name);
    std::string entry = MakeRecipientEntry(name, fax);
    if (collection.entryIndex.Contains(collection.entries, entry)) {
        return AddResult::Rejected;
    }
    if (collection.limit > 0 && collection.count == collection.limit) {
        return AddResult::LimitReached;
    }
    collection.entries.push_back(std::move(entry));
    ++collection.count;
    return AddResult::Added;
}

void SplitRecipientEntry(std::string_view entry, std::string& name, std::string& fax) {
    // A double-byte name may hold a bracket byte, so the fax number is found from the end: it
    // stands between the last "[" and the final "]".
    const auto open = entry.rfind('[');
    if (open == std::string_view::npos) {
        name.assign(entry);
        fax.clear();
        return;
    }
    const auto close = entry.find(']', open + 1);
    fax.assign(entry.substr(
        open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
    const std::size_t nameEnd = (open > 0 && entry[open - 1] == ' ') ? open - 1 : open;
    name.assign(entry.substr(0, nameEnd));
}

void CutToField(std::string& text) {
    text.resize(WholeCharacterLength(text, kFieldTextMax));
}

CleanedFaxField CleanFaxNumber(char* field) {
    if (HasLeadBytes()) {
        const CleanedLength cleaned = CleanDoubleByteFax(field, std::strlen(field), kFieldTextMax);
        field[cleaned.kept] = '\0';
        return {field, cleaned.hasDigit};
    }
    std::size_t kept = 0;
    bool hasDigit = false;
    // Storing only the kept bytes measured faster than a store for every byte, also with blanks
    // and dashes at random places.
    for (const char* byte = field; *byte != '\0' && kept < kFieldTextMax; ++byte) {
        if (const char c = kFaxFieldBytes[static_cast<unsigned char>(*byte)]; c != '\0') {
            field[kept++] = c;
            hasDigit |= c >= '0' && c <= '9';
        }
    }
    field[kept] = '\0';
    return {field, hasDigit};
}

char* CleanName(char* field) {
    const char* first = field;
    while (*first == ' ') {
        ++first;
    }
    std::size_t length = std::strlen(first);
    while (length > 0 && first[length - 1] == ' ') {
        --length;
    }
    // Bytes past the cut cannot change a bracket before it, so cutting first is the same.
    length = WholeCharacterLength({first, length}, kFieldTextMax);
    if (first != field) {
        std::memmove(field, first, length);
    }
    field[length] = '\0';
    ReplaceBrackets(field, length);
    return field;
}

}  // namespace recipients
