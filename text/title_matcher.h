#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/export_titles.h"
#include "ui/platform.h"

namespace text {

// Recognises the titles and fax words of every language of the export title table in one form of
// text: Unicode text (UTF-8), where letters of the Latin, Greek and Cyrillic scripts compare in
// any case, or ANSI text of the platform's code page, where ASCII letters do.
class TitleMatcher {
  public:
    static TitleMatcher ForUnicode();
    // The table converted to the code page once; a title or word that the code page cannot hold
    // is left out.
    static TitleMatcher ForCodePage(ui::Platform& platform);

    // The role of a title, compared without its surrounding blanks.
    std::optional<TitleRole> RoleOf(std::string_view title) const;
    // Whether the text holds a fax word of any language.
    bool HoldsFaxWord(std::string_view text) const;

  private:
    explicit TitleMatcher(bool unicode) : unicode_(unicode) {}
    std::string Folded(std::string_view text) const;

    bool unicode_;
    std::unordered_map<std::string, TitleRole> roles_;
    std::vector<std::string> faxWords_;
};

// UTF-8 text with its letters in small case where the Latin, Greek and Cyrillic scripts have
// one; other bytes, malformed sequences included, are kept.
std::string FoldUtf8Case(std::string_view text);

}  // namespace text
