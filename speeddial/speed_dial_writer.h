#pragma once

#include <string>

#include "recipients/recipient_collection.h"
#include "speeddial/speed_dial_record.h"

namespace speeddial {

// The speed-dial records of the result file: for each of the first count elements of
// speedDialNumbers (a record index, as the picker's OK leaves it) the record's fax options are
// encoded from its option texts, in the buffer, and its 236 bytes are appended to out. An element
// that names no record is skipped, so the return value, the number of records appended, is the
// count the file must declare.
int WriteSpeedDialRecords(std::string& out, const recipients::RecipientCollection& collection,
                          SpeedDialRecords& records);

}  // namespace speeddial
