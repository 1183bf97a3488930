#include "text/title_matcher.h"

#include <algorithm>

#include "text/text_decoding.h"
#include "text/unicode.h"

namespace text {

namespace {

char32_t SmallLetter(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return c + 0x20;
    }
    if (c == 0x130) {
        return U'i';  // Turkish capital I with dot
    }
    if (c == 0x178) {
        return 0xFF;
    }
    // Latin Extended-A: capitals and small letters in pairs, the capital first; two runs start
    // on an odd code point.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) {
        return c % 2 == 0 ? c + 1 : c;
    }
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
        return c % 2 == 1 ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) {
        return c + 0x20;
    }
    switch (c) {
        case 0x386:
            return 0x3AC;
        case 0x388:
        case 0x389:
        case 0x38A:
            return c + 0x25;
        case 0x38C:
            return 0x3CC;
        case 0x38E:
        case 0x38F:
            return c + 0x3F;
        case 0x3C2:
            return 0x3C3;  // final sigma
        default:
            break;
    }
    if (c >= 0x410 && c <= 0x42F) {
        return c + 0x20;
    }
    if (c >= 0x400 && c <= 0x40F) {
        return c + 0x50;
    }
    return c;
}

char32_t CapitalLetter(char32_t c) {
    if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return c - 0x20;
    }
    if (c == 0xFF) {
        return 0x178;
    }
    if (c == 0x131) {
        return U'I';  // Turkish small dotless i
    }
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) {
        return c % 2 == 1 ? c - 1 : c;
    }
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
        return c % 2 == 0 ? c - 1 : c;
    }
    if (c == 0x3C2) {
        return 0x3A3;  // final sigma
    }
    if (c >= 0x3B1 && c <= 0x3CB) {
        return c - 0x20;
    }
    switch (c) {
        case 0x3AC:
            return 0x386;
        case 0x3AD:
        case 0x3AE:
        case 0x3AF:
            return c - 0x25;
        case 0x3CC:
            return 0x38C;
        case 0x3CD:
        case 0x3CE:
            return c - 0x3F;
        default:
            break;
    }
    if (c >= 0x430 && c <= 0x44F) {
        return c - 0x20;
    }
    if (c >= 0x450 && c <= 0x45F) {
        return c - 0x50;
    }
    return c;
}

bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

std::string_view WithoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The text with each letter mapped; only ASCII and the two-byte letters below U+0530 change.
std::string MapLetters(std::string_view text, char32_t (*map)(char32_t)) {
    std::string mapped;
    mapped.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            mapped += static_cast<char>(map(lead));
            ++i;
        } else if (lead >= 0xC2 && lead <= 0xD4 && i + 1 < text.size() &&
                   IsContinuation(text[i + 1])) {
            const char32_t c = ((lead & 0x1Fu) << 6) | (text[i + 1] & 0x3Fu);
            AppendUtf8(map(c), mapped);
            i += 2;
        } else {
            mapped += text[i++];
        }
    }
    return mapped;
}

}  // namespace

std::string FoldUtf8Case(std::string_view text) {
    return MapLetters(text, SmallLetter);
}

TitleMatcher TitleMatcher::ForUnicode() {
    TitleMatcher matcher(true);
    for (const TitleLanguage& language : ExportTitleLanguages()) {
        for (const ExportTitle& title : language.names) {
            matcher.roles_.emplace(FoldUtf8Case(title.title), title.role);
        }
        for (const std::string_view word : language.faxWords) {
            matcher.faxWords_.push_back(FoldUtf8Case(word));
        }
    }
    return matcher;
}

TitleMatcher TitleMatcher::ForCodePage(ui::Platform& platform) {
    // One conversion of every title and word, one to a line, as written and in capitals: the
    // code page's letters beyond ASCII are not folded.
    std::string table;
    std::vector<const ExportTitle*> titles;
    const auto add = [&table, &titles](std::string_view text, const ExportTitle* title) {
        for (const std::string& form : {std::string(text), MapLetters(text, CapitalLetter)}) {
            titles.push_back(title);
            table.append(form).append("\n");
        }
    };
    for (const TitleLanguage& language : ExportTitleLanguages()) {
        for (const ExportTitle& title : language.names) {
            add(title.title, &title);
        }
        for (const std::string_view word : language.faxWords) {
            add(word, nullptr);
        }
    }
    const std::string ansi = Utf8ToAnsi(table, platform);
    TitleMatcher matcher(false);
    std::string_view lines = ansi;
    std::string_view originals = table;
    for (const ExportTitle* title : titles) {
        const std::string_view line = lines.substr(0, lines.find('\n'));
        const std::string_view original = originals.substr(0, originals.find('\n'));
        lines.remove_prefix(std::min(lines.size(), line.size() + 1));
        originals.remove_prefix(original.size() + 1);
        // The code page's substitute stands where it has no form for a character.
        if (line.empty() || (line.find('?') != std::string_view::npos &&
                             original.find('?') == std::string_view::npos)) {
            continue;
        }
        if (title != nullptr) {
            matcher.roles_.emplace(matcher.Folded(line), title->role);
        } else {
            matcher.faxWords_.push_back(matcher.Folded(line));
        }
    }
    return matcher;
}

std::string TitleMatcher::Folded(std::string_view text) const {
    if (unicode_) {
        return FoldUtf8Case(text);
    }
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

std::optional<TitleRole> TitleMatcher::RoleOf(std::string_view title) const {
    const auto found = roles_.find(Folded(WithoutBlanks(title)));
    if (found == roles_.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool TitleMatcher::HoldsFaxWord(std::string_view text) const {
    const std::string folded = Folded(text);
    return std::any_of(faxWords_.begin(), faxWords_.end(), [&folded](const std::string& word) {
        return folded.find(word) != std::string::npos;
    });
}

}  // namespace text
