#include "recipients/contact_candidate.h"

#include <cstring>

#include "recipients/ansi_code_page.h"
#include "recipients/edit_field_in_place.h"
#include "recipients/recipient_entry.h"

namespace recipients {

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

}  // namespace

const char* NameStore::Keep(std::string_view text) {
    if (blocks_.empty() || kBlockSize - used_ < kFieldTextMax + 1) {
        blocks_.push_back(std::make_unique<char[]>(kBlockSize));
        used_ = 0;
    }
    char* const place = blocks_.back().get() + used_;
    const std::size_t length = WholeCharacterLength(text, kFieldTextMax);
    std::memcpy(place, text.data(), length);
    place[length] = '\0';
    used_ += length + 1;
    return place;
}

const char* JoinNameParts(std::span<char* const> parts, NameStore& store, std::string& scratch) {
    char* only = nullptr;
    int filled = 0;
    for (char* part : parts) {
        if (part == nullptr) {
            continue;
        }
        EditFieldInPlace(part, scratch, [](std::string& text) { TrimBlanks(text); });
        if (*part != '\0') {
            only = part;
            ++filled;
        }
    }
    if (filled <= 1) {
        return only == nullptr ? "" : CleanName(only);
    }
    scratch.clear();
    for (const char* part : parts) {
        if (part != nullptr && *part != '\0') {
            scratch.append(scratch.empty() ? "" : " ").append(part);
        }
    }
    ReplaceNameBrackets(scratch);
    CutToField(scratch);
    return store.Keep(scratch);
}

const char* CleanCandidateFax(char* field) {
    if (!CleanFaxNumber(field).hasDigit) {
        *field = '\0';
    }
    return field;
}

}  // namespace recipients
