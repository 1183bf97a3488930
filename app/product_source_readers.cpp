#include "app/product_source_readers.h"

#include "csv/csv_reader.h"
#include "csv/modal_csv_dialogs.h"
#include "speeddial/modal_speed_dial_dialogs.h"
#include "speeddial/speed_dial_reader.h"
#include "speeddial/speed_dial_writer.h"

namespace app {

using csv::ModalCsvDialogs;
using recipients::ImportCounters;
using recipients::RecipientCollection;
using recipients::SourceKind;
using speeddial::ModalSpeedDialDialogs;
using speeddial::SpeedDialRecords;
using speeddial::WriteSpeedDialRecords;

bool ProductSourceReaders::OpenMessagingAddressBook() {
    return addressBooks_.OpenMessagingAddressBook();
}

void ProductSourceReaders::CloseMessagingAddressBook() {
    addressBooks_.CloseMessagingAddressBook();
}

bool ProductSourceReaders::OpenWabAddressBook(const std::string& path) {
    return addressBooks_.OpenWabAddressBook(path);
}

void ProductSourceReaders::CloseWabAddressBook() {
    addressBooks_.CloseWabAddressBook();
}

void ProductSourceReaders::ImportFromAddressDialog(RecipientCollection& collection,
                                                   ImportCounters& counters) {
    addressBooks_.ImportFromAddressDialog(collection, counters);
}

int ProductSourceReaders::ReadCsvSource(const std::string& path, RecipientCollection& collection,
                                        int& rejectedCount, SourceKind kind) {
    ModalCsvDialogs dialogs(context_.backend, context_.platform, context_.helpFilePath);
    return csv::ReadCsvSource(path, collection, rejectedCount, kind, dialogs, context_.platform);
}

int ProductSourceReaders::ReadSpeedDialSource(const std::string& path,
                                              RecipientCollection& collection, int& rejectedCount) {
    ModalSpeedDialDialogs dialogs(context_.backend, context_.platform, context_.helpFilePath);
    return speeddial::ReadSpeedDialSource(path, collection, rejectedCount, speedDialRecords_,
                                          dialogs, context_.platform);
}

int ProductSourceReaders::AppendSpeedDialRecords(std::string& out,
                                                 RecipientCollection& collection) {
    return WriteSpeedDialRecords(out, collection, speedDialRecords_);
}

void ProductSourceReaders::ReleaseSpeedDialRecords() {
    SpeedDialRecords().swap(speedDialRecords_);
}

}  // namespace app
