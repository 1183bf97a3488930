#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace recipients {

// One (record, fax number) pair a contact file offers the user: the cleaned name and fax
// number, each at most kFieldTextMax bytes. Both are NUL-terminated texts cleaned in place in the
// file image (a name built from several fields is kept in the set's names), so the image must
// outlive its candidates.
struct ContactCandidate {
    const char* name = "";
    const char* fax = "";

    std::string_view Name() const { return name; }
    std::string_view Fax() const { return fax; }
};

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

struct ContactCandidateSet {
    std::vector<ContactCandidate> candidates;
    int rejectedLines = 0;  // records that gave no candidate with a fax number
    NameStore names;
};

// Joins the parts that are not empty once trimmed with one blank and cleans the result as a
// name; a single part is cleaned in place. "" when every part is empty.
const char* JoinNameParts(std::span<char* const> parts, NameStore& store, std::string& scratch);

// Cleans a fax field in place and cuts it to the field length. A text without a digit can never
// be dialled, so it becomes empty.
const char* CleanCandidateFax(char* field);

}  // namespace recipients
