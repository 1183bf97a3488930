#include "app/product_source_readers.h"

#include "app/reader_result.h"

// The address-book connection (issue #5) and the file readers (issues #3, #4) plug in here.
bool ProductSourceReaders::OpenMessagingAddressBook() {
    return false;
}
void ProductSourceReaders::CloseMessagingAddressBook() {}
bool ProductSourceReaders::OpenWabAddressBook(const std::string&) {
    return false;
}
void ProductSourceReaders::CloseWabAddressBook() {}
void ProductSourceReaders::ImportFromAddressDialog(RecipientCollection&, ImportCounters&) {}

int ProductSourceReaders::ReadCsvSource(const std::string&, RecipientCollection&, int&,
                                        SourceKind) {
    return kOpenFailed;
}

int ProductSourceReaders::ReadSpeedDialSource(const std::string&, RecipientCollection&, int&) {
    return kOpenFailed;
}

void ProductSourceReaders::AppendSpeedDialRecords(std::string&, RecipientCollection&) {}
void ProductSourceReaders::ReleaseSpeedDialRecords() {}
