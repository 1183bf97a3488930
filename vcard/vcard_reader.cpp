#include "vcard/vcard_reader.h"

#include <array>
#include <climits>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "recipients/contact_candidate.h"
#include "recipients/reader_result.h"
#include "recipients/recipient_entry.h"
#include "text/text_decoding.h"
#include "vcard/unicode_labels.h"
#include "vcard/vcard_lines.h"
#include "vcard/vcard_property.h"

namespace vcard {

using recipients::kOutOfMemory;

namespace {

std::string_view TrimmedLine(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Collects one card's name sources and fax numbers into the candidate set. A number the user
// labelled (Apple's and Google's "item1.TEL" with "item1.X-ABLabel") is a fax number when its
// label holds a fax word; the label may follow the number, so such numbers wait for the card's
// end.
class CardReader {
  public:
    CardReader(ui::Platform& platform, const text::TitleMatcher& faxWords,
               std::set<CardGroup> unicodeFaxLabels, recipients::ContactCandidateSet& result)
        : platform_(platform),
          faxWords_(faxWords),
          unicodeFaxLabels_(std::move(unicodeFaxLabels)),
          result_(result) {}

    void Take(VCardProperty& property) {
        if (IsWord(property.name, "BEGIN")) {
            if (IsWord(TrimmedLine(property.value), "VCARD")) {
                Finish();
                Open();
            }
            return;
        }
        if (!open_) {
            return;
        }
        if (IsWord(property.name, "END")) {
            if (IsWord(TrimmedLine(property.value), "VCARD")) {
                Finish();
            }
            return;
        }
        const bool fullName = IsWord(property.name, "FN");
        const bool name = IsWord(property.name, "N");
        const bool company = IsWord(property.name, "ORG");
        const bool telephone = IsWord(property.name, "TEL");
        const bool fax = property.fax && telephone;
        const bool labelledNumber = telephone && !fax && !property.group.empty();
        const bool label = !property.group.empty() && IsWord(property.name, "X-ABLABEL");
        if (!fullName && !name && !company && !fax && !labelledNumber && !label) {
            return;
        }
        char* value = property.value;
        if (property.quotedPrintable) {
            DecodeQuotedPrintable(value);
            if (property.utf8) {
                ConvertUtf8(value);
            }
        }
        if (fullName && fullName_ == nullptr) {
            Unescape(value);
            fullName_ = value;
        } else if (name && !nameSeen_) {
            nameSeen_ = true;
            TakeNameParts(value);
        } else if (company && company_ == nullptr) {
            CutComponents(value, &value, 1);
            Unescape(value);
            company_ = value;
        } else if (fax) {
            AddFax(FaxNumber(value));
        } else if (labelledNumber) {
            labelledNumbers_.emplace_back(GroupKey(property.group), FaxNumber(value));
        } else if (label) {
            Unescape(value);
            if (faxWords_.HoldsFaxWord(value)) {
                faxLabels_.insert(GroupKey(property.group));
            }
        }
    }

    void Finish() {
        if (!open_) {
            return;
        }
        open_ = false;
        for (const auto& [group, number] : labelledNumbers_) {
            if (faxLabels_.contains(group) || unicodeFaxLabels_.contains({cards_ - 1, group})) {
                AddFax(number);
            }
        }
        const char* name = Name();
        for (std::size_t i = first_; i < result_.candidates.size(); ++i) {
            result_.candidates[i].name = name;
        }
        if (!hasFax_ && result_.rejectedLines < INT_MAX) {
            ++result_.rejectedLines;
        }
    }

  private:
    static const char* FaxNumber(char* value) {
        Unescape(value);
        return recipients::CleanCandidateFax(TelephoneNumber(value));
    }

    void AddFax(const char* number) {
        recipients::ContactCandidate candidate;
        candidate.fax = number;
        hasFax_ = hasFax_ || *candidate.fax != '\0';
        result_.candidates.push_back(candidate);
    }

    // An 8-bit value was converted with the whole file; one in quoted-printable was not.
    void ConvertUtf8(char* value) {
        const std::size_t room = std::strlen(value);
        if (const std::optional<std::string> ansi = text::DecodeToAnsi({value, room}, platform_)) {
            const std::size_t length = ansi->size() < room ? ansi->size() : room;
            std::memcpy(value, ansi->data(), length);
            value[length] = '\0';
        }
    }

    void Open() {
        open_ = true;
        ++cards_;
        first_ = result_.candidates.size();
        hasFax_ = false;
        fullName_ = nullptr;
        company_ = nullptr;
        nameSeen_ = false;
        nameParts_ = {};
        labelledNumbers_.clear();
        faxLabels_.clear();
    }

    // N is family;given;additional;prefixes;suffixes; the name reads given, additional, family.
    void TakeNameParts(char* value) {
        std::array<char*, 3> components{};
        const int count = CutComponents(value, components.data(), 3);
        for (int i = 0; i < count; ++i) {
            Unescape(components[i]);
        }
        nameParts_ = {components[1], components[2], components[0]};
    }

    const char* Name() {
        if (fullName_ != nullptr && *recipients::CleanName(fullName_) != '\0') {
            return fullName_;
        }
        if (const char* joined = recipients::JoinNameParts(nameParts_, result_.names, scratch_);
            *joined != '\0') {
            return joined;
        }
        return company_ == nullptr ? "" : recipients::CleanName(company_);
    }

    ui::Platform& platform_;
    const text::TitleMatcher& faxWords_;
    const std::set<CardGroup> unicodeFaxLabels_;
    recipients::ContactCandidateSet& result_;
    std::size_t cards_ = 0;
    bool open_ = false;
    std::size_t first_ = 0;
    bool hasFax_ = false;
    char* fullName_ = nullptr;
    char* company_ = nullptr;
    bool nameSeen_ = false;
    std::array<char*, 3> nameParts_{};  // given, additional, family
    std::string scratch_;
    std::vector<std::pair<std::string, const char*>> labelledNumbers_;  // group, cleaned number
    std::unordered_set<std::string> faxLabels_;                         // groups
};

}  // namespace

bool IsVCardText(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return false;
    }
    constexpr std::string_view kBegin = "BEGIN:VCARD";
    text.remove_prefix(first);
    if (!IsWord(text.substr(0, kBegin.size()), kBegin)) {
        return false;
    }
    text.remove_prefix(kBegin.size());
    const auto after = text.find_first_not_of(" \t");
    return after == std::string_view::npos || text[after] == '\r' || text[after] == '\n';
}

int ReadVCardCandidates(text::TextImage& image, ui::Platform& platform,
                        recipients::ContactCandidateSet& result) {
    result.rejectedLines = 0;
    result.candidates.clear();
    VCardLines lines(image);
    VCardProperty property;
    try {
        const text::TitleMatcher faxWords = text::TitleMatcher::ForCodePage(platform);
        std::set<CardGroup> unicodeFaxLabels;
        if (const std::optional<std::string> unicode = image.UnicodeText()) {
            unicodeFaxLabels = FindFaxLabelGroups(*unicode, text::TitleMatcher::ForUnicode());
        }
        image.ReleaseOriginal();
        CardReader reader(platform, faxWords, std::move(unicodeFaxLabels), result);
        while (char* line = lines.Next()) {
            if (ParseVCardProperty(line, property, &faxWords)) {
                reader.Take(property);
            }
        }
        reader.Finish();
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    if (result.candidates.size() > INT_MAX) {
        return kOutOfMemory;
    }
    return 0;
}

}  // namespace vcard
