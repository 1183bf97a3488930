#include "csv/composed_name.h"

#include <array>
#include <initializer_list>

#include "recipients/recipient_entry.h"

namespace csv {

using recipients::CleanName;
using recipients::JoinNameParts;
using recipients::NameStore;

namespace {

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
        if (*CleanName(display) != '\0') {
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
    return company == nullptr ? "" : CleanName(company);
}

}  // namespace csv
