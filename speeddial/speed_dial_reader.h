#pragma once

#include <string>

#include "csv/csv_splitter.h"
#include "recipients/reader_result.h"
#include "recipients/recipient_collection.h"
#include "speeddial/speed_dial_dialogs.h"
#include "speeddial/speed_dial_record.h"
#include "text/text_image.h"

namespace speeddial {

// Imports a "Speed Dial Data EWS-CSV" file, loaded as the CSV source loads its files: checks its
// header, turns each acceptable data line into a record and five per-entry texts, and lets the user
// pick entries. Returns the number of chosen entries, 0, or a negative ReaderResult code. records
// receives the record buffer and keeps it after the call, for the picker's indices and the result
// file; the run owns it.
int ReadSpeedDialSource(const std::string& fileName, recipients::RecipientCollection& collection,
                        int& rejectedCount, SpeedDialRecords& records, SpeedDialDialogs& dialogs,
                        ui::Platform& platform);

// The reading without the file and the picker, on an image that is cut in place. Fills records
// and the collection's per-entry lists and sets its count. Returns the number of accepted records,
// kBadSpeedDialFormat, kOutOfMemory, or kReadFailed for an image without lines.
int ParseSpeedDialImage(text::TextImage& image, recipients::RecipientCollection& collection,
                        int& rejectedCount, SpeedDialRecords& records);

// One split data line (absent fields are null) into a record that starts as the template, and one
// text for each per-entry list. Returns 1, or 0 without a trace in the record or the collection.
int ParseSpeedDialLine(const csv::CsvFieldTable& fields, SpeedDialRecord& record,
                       recipients::RecipientCollection& collection);

}  // namespace speeddial
