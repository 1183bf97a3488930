#pragma once

#include <string_view>

#include "csv/csv_candidates.h"
#include "csv/csv_image.h"
#include "ui/platform.h"

namespace csv {

// A text whose first line that is not blank reads BEGIN:VCARD, in any case, is a vCard file.
bool IsVCardText(std::string_view text);

// Reads every card left in the image: one candidate per fax number, all with the card's name; a
// card without one counts as a rejected line. A card that never ends is read to the end of the
// file. A quoted-printable value in CHARSET=UTF-8 is converted to the ANSI code page by the
// platform. 0, or kOutOfMemory.
int ReadVCardCandidates(CsvImage& image, ui::Platform& platform, CsvCandidateSet& result);

}  // namespace csv
