#include "csv/column_titles.h"

#include <string_view>

namespace csv {

std::vector<ColumnTitle> ReadColumnTitles(const CsvFieldTable& header, int count,
                                          const text::TitleMatcher& matcher) {
    std::vector<ColumnTitle> titles(static_cast<std::size_t>(count));
    for (int index = 0; index < count; ++index) {
        const std::string_view title = header[index];
        ColumnTitle& read = titles[static_cast<std::size_t>(index)];
        read.role = matcher.RoleOf(title);
        read.fax = matcher.HoldsFaxWord(title);
        read.exact = !title.starts_with(' ') && !title.ends_with(' ');
    }
    return titles;
}

}  // namespace csv
