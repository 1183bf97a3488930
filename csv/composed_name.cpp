#include "csv/composed_name.h"

#include <array>

#include "recipients/recipient_entry.h"

namespace csv {

using recipients::CleanName;
using recipients::JoinNameParts;
using recipients::NameStore;

namespace {

int* SourceOf(text::TitleRole role, NameSources& sources) {
    switch (role) {
        case text::TitleRole::FullName:
            return &sources.display;
        case text::TitleRole::FirstName:
            return &sources.first;
        case text::TitleRole::MiddleName:
            return &sources.middle;
        case text::TitleRole::LastName:
            return &sources.last;
        case text::TitleRole::Company:
            return &sources.company;
        default:
            return nullptr;
    }
}

char* FieldOrNull(int column, const CsvFieldTable& fields, int count) {
    return column >= 0 && column < count ? fields[column] : nullptr;
}

}  // namespace

int FindNameSources(std::span<const ColumnTitle> titles, NameSources& sources) {
    using text::TitleRole;
    const auto holds = [titles](TitleRole role) {
        for (const ColumnTitle& title : titles) {
            if (title.role == role) {
                return true;
            }
        }
        return false;
    };
    const bool firstNamed = holds(TitleRole::FirstName);
    const bool lastNamed = holds(TitleRole::LastName);
    sources = {};
    int wholeName = -1;
    for (int index = 0; index < static_cast<int>(titles.size()); ++index) {
        const ColumnTitle& title = titles[static_cast<std::size_t>(index)];
        if (!title.role) {
            continue;
        }
        TitleRole role = *title.role;
        if (role == TitleRole::LastOrFullName || role == TitleRole::FirstOrFullName) {
            const bool part = role == TitleRole::LastOrFullName ? firstNamed && !lastNamed
                                                                : lastNamed && !firstNamed;
            if (!part) {
                if (wholeName < 0 && title.exact) {
                    wholeName = index;
                }
                continue;
            }
            role = role == TitleRole::LastOrFullName ? TitleRole::LastName : TitleRole::FirstName;
        }
        if (int* source = SourceOf(role, sources); *source < 0) {
            *source = index;
        }
    }
    return wholeName;
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
