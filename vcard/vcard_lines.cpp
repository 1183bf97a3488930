#include "vcard/vcard_lines.h"

#include <cstring>
#include <string_view>

namespace vcard {

namespace {

bool HoldsQuotedPrintable(std::string_view head) {
    constexpr std::string_view kWord = "QUOTED-PRINTABLE";
    for (std::size_t start = 0; start + kWord.size() <= head.size(); ++start) {
        std::size_t i = 0;
        while (i < kWord.size() && (head[start + i] & ~0x20) == (kWord[i] & ~0x20)) {
            ++i;
        }
        if (i == kWord.size()) {
            return true;
        }
    }
    return false;
}

}  // namespace

char* VCardLines::Next() {
    while (char* line = image_.NextLine()) {
        if (pending_ == nullptr) {
            Start(line);
        } else if (SoftBreakPending()) {
            --pendingEnd_;  // the "=" of the soft line break
            Append(line);
        } else if (*line == ' ' || *line == '\t') {
            Append(line + 1);
        } else {
            char* const done = pending_;
            Start(line);
            return done;
        }
    }
    // A soft line break that ends the file joins nothing.
    if (pending_ != nullptr && SoftBreakPending()) {
        *--pendingEnd_ = '\0';
    }
    char* const done = pending_;
    pending_ = nullptr;
    return done;
}

void VCardLines::Start(char* line) {
    pending_ = line;
    pendingEnd_ = line + std::strlen(line);
    encoding_ = Encoding::Unknown;
    searchedUpTo_ = line;
}

void VCardLines::Append(const char* text) {
    const std::size_t length = std::strlen(text);
    std::memmove(pendingEnd_, text, length + 1);
    pendingEnd_ += length;
}

bool VCardLines::SoftBreakPending() {
    if (pendingEnd_ == pending_ || pendingEnd_[-1] != '=') {
        return false;
    }
    if (encoding_ == Encoding::Unknown) {
        const auto* colon = static_cast<const char*>(
            std::memchr(searchedUpTo_, ':', static_cast<std::size_t>(pendingEnd_ - searchedUpTo_)));
        if (colon == nullptr) {
            searchedUpTo_ = pendingEnd_;
            return false;
        }
        const std::string_view head(pending_, static_cast<std::size_t>(colon - pending_));
        encoding_ = HoldsQuotedPrintable(head) ? Encoding::QuotedPrintable : Encoding::Other;
    }
    return encoding_ == Encoding::QuotedPrintable;
}

}  // namespace vcard
