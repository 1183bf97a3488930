#include "app/address_book_source.h"

#include "addressbook/address_book_walk.h"
#include "app/program_names.h"

namespace app {

using addressbook::AddressBook;
using addressbook::EntryList;
using addressbook::MessagingOpen;
using recipients::ImportCounters;
using recipients::RecipientCollection;

namespace {

constexpr char kStartMessagingCaption[] = "Start MAPI Subsystem Error";

std::string MissingTwinMessage(MessagingOpen opened) {
    const bool needs32 = opened == MessagingOpen::Needs32BitProgram;
    const std::string bits = needs32 ? "32" : "64";
    return "The messaging system installed is " + bits +
           "-bit; its address book can only be read by the " + bits +
           "-bit edition of this program, " + (needs32 ? k32BitProgram : k64BitProgram) +
           ".\nInstall it in the folder of this program.";
}

}  // namespace

bool AddressBookSource::OpenMessagingAddressBook() {
    const MessagingOpen opened = connection_.OpenMessaging(context_.LiveHostWindow());
    if (opened == MessagingOpen::LibraryMissing) {
        context_.backend.ShowMessage(
            context_.LiveHostWindow(), "A required .DLL file, MAPI32.DLL, was not found.",
            kStartMessagingCaption, ui::MessageIcon::Error, ui::MessageButtons::Ok);
    } else if (opened == MessagingOpen::Needs32BitProgram ||
               opened == MessagingOpen::Needs64BitProgram) {
        context_.backend.ShowMessage(context_.LiveHostWindow(), MissingTwinMessage(opened),
                                     kStartMessagingCaption, ui::MessageIcon::Error,
                                     ui::MessageButtons::Ok);
    }
    return opened == MessagingOpen::Opened;
}

void AddressBookSource::CloseMessagingAddressBook() {
    connection_.CloseMessaging(context_.LiveHostWindow());
}

bool AddressBookSource::OpenWabAddressBook(const std::string& path) {
    const std::string& library = context_.addressBookLibraryPath;
    return connection_.OpenWab(library.empty() ? addressbook::kDefaultWabLibrary : library, path);
}

void AddressBookSource::CloseWabAddressBook() {
    connection_.CloseWab();
}

void AddressBookSource::ImportFromAddressDialog(RecipientCollection& collection,
                                                ImportCounters& counters) {
    AddressBook* book = connection_.Book();
    if (book == nullptr) {
        return;
    }
    const std::unique_ptr<EntryList> chosen = book->Address(context_.LiveHostWindow());
    if (chosen && chosen->Count() > 0) {
        addressbook::AddressBookWalk(*book, collection, counters)
            .ImportChosenEntries(*chosen, context_.backend);
    }
}

}  // namespace app
