#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_platform.h"
#include "recipients/recipient_entry.h"
#include "text/text_image.h"
#include "vcard/vcard_reader.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool HasDigit(std::string_view text) {
    return text.find_first_of("0123456789") != std::string_view::npos;
}

}  // namespace

// Any text after a card's first line, read as a contact export: every candidate's texts fit their
// fields, a fax number is empty or holds a digit, and every card is either offered or rejected.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes =
        "BEGIN:VCARD\r\n" + std::string(reinterpret_cast<const char*>(data), size);
    text::TextImage image;
    const text::ContactExport contactExport{vcard::IsVCardText};
    Require(image.Assign(bytes, FuzzPlatform(), &contactExport) == 0);
    recipients::ContactCandidateSet read;
    if (vcard::ReadVCardCandidates(image, FuzzPlatform(), read) != 0) {
        return 0;
    }
    Require(read.rejectedLines >= 0);
    for (const recipients::ContactCandidate& candidate : read.candidates) {
        Require(candidate.Name().size() <= recipients::kFieldTextMax);
        Require(candidate.Fax().size() <= recipients::kFieldTextMax);
        Require(candidate.Fax().empty() || HasDigit(candidate.Fax()));
    }
    return 0;
}
