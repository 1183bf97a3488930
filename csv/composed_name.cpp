#include "csv/composed_name.h"

#include <array>
#include <cstring>
#include <initializer_list>

#include "recipients/edit_field_in_place.h"
#include "recipients/recipient_entry.h"

namespace csv {

using recipients::CutToField;
using recipients::EditFieldInPlace;
using recipients::kFieldTextMax;
using recipients::ReplaceNameBrackets;
using recipients::TrimBlanks;

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

// The title without its surrounding blanks equals one of the names (given in upper case).
bool TitleIsOneOf(std::string_view title, std::initializer_list<std::string_view> names) {
    const auto first = title.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return false;
    }
    title = title.substr(first, title.find_last_not_of(' ') - first + 1);
    for (const std::string_view name : names) {
        if (title == name) {
            return true;
        }
    }
    return false;
}

void TakeFirst(int& source, int index, bool matches) {
    if (source < 0 && matches) {
        source = index;
    }
}

char* FieldOrNull(int column, const CsvFieldTable& fields, int count) {
    return column >= 0 && column < count ? fields[column] : nullptr;
}

}  // namespace

const char* NameStore::Keep(std::string_view text) {
    if (blocks_.empty() || kBlockSize - used_ < kFieldTextMax + 1) {
        blocks_.push_back(std::make_unique<char[]>(kBlockSize));
        used_ = 0;
    }
    char* const place = blocks_.back().get() + used_;
    const std::size_t length = text.size() < kFieldTextMax ? text.size() : kFieldTextMax;
    std::memcpy(place, text.data(), length);
    place[length] = '\0';
    used_ += length + 1;
    return place;
}

const char* CleanNameInPlace(char* field) {
    return recipients::CleanNameField(field);
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
        return only == nullptr ? "" : CleanNameInPlace(only);
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

NameSources FindNameSources(const CsvFieldTable& header, int count) {
    NameSources sources;
    for (int index = 0; index < count; ++index) {
        const std::string_view title = header[index];
        TakeFirst(sources.display, index,
                  TitleIsOneOf(title, {"DISPLAY NAME", "FULL NAME", "ANZEIGENAME"}));
        TakeFirst(sources.first, index,
                  TitleIsOneOf(title, {"FIRST NAME", "GIVEN NAME", "VORNAME"}));
        TakeFirst(sources.middle, index,
                  TitleIsOneOf(title, {"MIDDLE NAME", "ADDITIONAL NAME", "WEITERE VORNAMEN"}));
        TakeFirst(sources.last, index,
                  TitleIsOneOf(title, {"LAST NAME", "FAMILY NAME", "SURNAME", "NACHNAME"}));
        TakeFirst(sources.company, index,
                  TitleIsOneOf(title,
                               {"COMPANY", "ORGANIZATION NAME", "ORGANIZATION 1 - NAME", "FIRMA"}));
    }
    return sources;
}

const char* ComposeName(const NameSources& sources, const CsvFieldTable& fields, int count,
                        NameStore& store, std::string& scratch) {
    if (char* display = FieldOrNull(sources.display, fields, count); display != nullptr) {
        if (*CleanNameInPlace(display) != '\0') {
            return display;
        }
    }
    const std::array<char*, 3> parts = {FieldOrNull(sources.first, fields, count),
                                        FieldOrNull(sources.middle, fields, count),
                                        FieldOrNull(sources.last, fields, count)};
    if (const char* personal = JoinNameParts(parts, store, scratch); *personal != '\0') {
        return personal;
    }
    char* company = FieldOrNull(sources.company, fields, count);
    return company == nullptr ? "" : CleanNameInPlace(company);
}

}  // namespace csv
