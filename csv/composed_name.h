#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "csv/csv_splitter.h"

namespace csv {

// Keeps names built from several fields, which have no place of their own in the image. Texts
// stay where they are until the store is destroyed; memory is taken in large blocks.
class NameStore {
  public:
    // A NUL-terminated copy of text, which is at most kFieldTextMax bytes long.
    const char* Keep(std::string_view text);

  private:
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t used_ = 0;
};

// Cleans a name field in place as every name is cleaned: blanks trimmed, brackets replaced, cut
// to the field length.
const char* CleanNameInPlace(char* field);

// Joins the parts that are not empty once trimmed with one blank and cleans the result as a
// name; a single part is cleaned in place. "" when every part is empty.
const char* JoinNameParts(std::span<char* const> parts, NameStore& store, std::string& scratch);

// Where a header without a NAME column has names: a display name, the parts of a personal name,
// a company. -1 where a title is missing.
struct NameSources {
    int display = -1;
    int first = -1;
    int middle = -1;
    int last = -1;
    int company = -1;

    bool Any() const {
        return display >= 0 || first >= 0 || middle >= 0 || last >= 0 || company >= 0;
    }
};

// The name sources among the upper-cased header's fields: the first field with each title.
NameSources FindNameSources(const CsvFieldTable& header, int count);

// The name of a split line: the display name, else the joined personal name, else the company,
// whichever first is not empty.
const char* ComposeName(const NameSources& sources, const CsvFieldTable& fields, int count,
                        NameStore& store, std::string& scratch);

}  // namespace csv
