#pragma once

namespace recipients {

// What the user chose to import from; the source selection dialog's end code.
enum SourceKind : int {
    kSourceCancel = 0,
    kSourceMessagingAddressBook = 1,
    kSourceWabFile = 2,
    kSourceDefaultWabFile = 3,
    kSourceCsvMapped = 4,
    kSourceCsvAutoSearch = 5,
    kSourceSpeedDial = 6,
};

}  // namespace recipients
