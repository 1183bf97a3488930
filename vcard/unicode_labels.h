#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "text/title_matcher.h"

namespace vcard {

// A card (counted from 0 in the order of its BEGIN:VCARD) and a group name in capitals.
using CardGroup = std::pair<std::size_t, std::string>;

// The groups whose X-ABLabel holds a fax word, read in a file's own text (UTF-8) before the
// conversion to the code page, so that labels in any script are known on any system.
std::set<CardGroup> FindFaxLabelGroups(std::string_view text, const text::TitleMatcher& faxWords);

// Groups compare in any ASCII case.
std::string GroupKey(std::string_view group);

}  // namespace vcard
