#pragma once

#include <string_view>

#include "recipients/contact_candidate.h"
#include "text/text_image.h"
#include "ui/platform.h"

namespace vcard {

// A text whose first line that is not blank reads BEGIN:VCARD, in any case, is a vCard file.
bool IsVCardText(std::string_view text);

// Reads every card left in the image: one candidate per fax number, all with the card's name; a
// card without one counts as a rejected line. A card that never ends is read to the end of the
// file. A quoted-printable value in CHARSET=UTF-8 is converted to the ANSI code page by the
// platform. 0, or kOutOfMemory.
int ReadVCardCandidates(text::TextImage& image, ui::Platform& platform,
                        recipients::ContactCandidateSet& result);

}  // namespace vcard
