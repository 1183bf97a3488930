#include "app/product_source_readers.h"

#include "contactfile/contact_file_reader.h"
#include "contactfile/modal_contact_file_dialogs.h"
#include "speeddial/modal_speed_dial_dialogs.h"
#include "speeddial/speed_dial_reader.h"
#include "speeddial/speed_dial_writer.h"

namespace app {

using contactfile::ModalContactFileDialogs;
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

int ProductSourceReaders::ReadContactFile(const std::string& path, RecipientCollection& collection,
                                          int& rejectedCount, SourceKind kind) {
    ModalContactFileDialogs dialogs(context_.backend, context_.platform, context_.helpFilePath);
    return contactfile::ReadContactFile(path, collection, rejectedCount, kind, dialogs,
                                        context_.platform);
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
