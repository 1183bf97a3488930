#pragma once

#include <span>
#include <string_view>

namespace text {

// What a column title of a contact export names.
enum class TitleRole {
    FullName,
    FirstName,
    MiddleName,
    LastName,
    Company,
    // "Nom", "Name": the last name beside a first-name title, otherwise the whole name.
    LastOrFullName,
    // "Nombre", "Nome": the first name beside a last-name title, otherwise the whole name.
    FirstOrFullName,
};

struct ExportTitle {
    std::string_view title;  // UTF-8
    TitleRole role;
};

// The titles one language's exports give names and faxes, and where they come from. A title
// holding one of the fax words, in any case, is a fax column; the fax titles are listed for the
// record (and so that a test holds the words to them).
struct TitleLanguage {
    std::string_view language;
    std::string_view source;
    std::span<const ExportTitle> names;
    std::span<const std::string_view> faxTitles;
    std::span<const std::string_view> faxWords;
};

std::span<const TitleLanguage> ExportTitleLanguages();

}  // namespace text
