#pragma once

#include <string>
#include <string_view>

#include "contactfile/contact_file_dialogs.h"
#include "recipients/recipient_collection.h"
#include "recipients/source_kind.h"
#include "text/text_image.h"

namespace contactfile {

// Loads a contact file, CSV or vCard (Unicode text converted to the ANSI code page by the
// platform), chooses the name and fax columns of a CSV file (the user maps them for
// kSourceCsvMapped; any other kind searches the header; a card file needs none) and lets the user
// pick recipients. Returns the number of picked entries (0 also for a cancelled dialog) or a
// ReaderResult error code. rejectedCount is set to the records without a usable fax number once
// they are read.
int ReadContactFile(const std::string& path, recipients::RecipientCollection& collection,
                    int& rejectedCount, recipients::SourceKind kind, ContactFileDialogs& dialogs,
                    ui::Platform& platform);

// How the source loads a file: a vCard keeps its own text for the labels the code page cannot
// hold.
extern const text::ContactExport kContactExport;

// The same on an image already loaded (with kContactExport). The candidates that the picker shows
// point into the image, which is cut and cleaned in place.
int ReadContactImage(text::TextImage& image, std::string_view path,
                     recipients::RecipientCollection& collection, int& rejectedCount,
                     recipients::SourceKind kind, ContactFileDialogs& dialogs,
                     ui::Platform& platform);

}  // namespace contactfile
