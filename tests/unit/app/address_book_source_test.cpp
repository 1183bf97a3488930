#include "app/address_book_source.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/unit/addressbook/memory_book_fixture.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"

using namespace recipients;
using namespace app;

namespace {

using app::AddressBookSource;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr ui::WindowHandle kHost = ui::headless::HeadlessPlatform::kHostWindow;

class AddressBookSourceTest : public ::testing::Test, protected MemoryBookFixture {
  protected:
    AddressBookSource& Source(std::string_view setup) {
        MakeBook(setup);
        context_.hostWindow = kHost;
        source_.emplace(context_, *connection_);
        return *source_;
    }
    const std::vector<std::string>& Calls() const { return connection_->Ledger().calls; }

    ui::headless::ScriptedUser user_;
    ui::headless::HeadlessBackend backend_{user_};
    ui::headless::HeadlessPlatform platform_{user_};
    ImportContext context_{backend_, platform_};
    std::optional<AddressBookSource> source_;
    RecipientCollection collection_;
    ImportCounters counters_;
};

TEST_F(AddressBookSourceTest, AMissingMessagingLibraryIsReportedToTheHostWindow) {
    AddressBookSource& source = Source("mapi unloadable");
    EXPECT_FALSE(source.OpenMessagingAddressBook());
    ASSERT_EQ(user_.messages.size(), 1u);
    EXPECT_EQ(user_.messages[0].owner, kHost);
    EXPECT_EQ(user_.messages[0].text, "A required .DLL file, MAPI32.DLL, was not found.");
    EXPECT_EQ(user_.messages[0].caption, "Start MAPI Subsystem Error");
    EXPECT_EQ(user_.messages[0].icon, ui::MessageIcon::Error);
    source.CloseMessagingAddressBook();
    EXPECT_THAT(Calls(), IsEmpty());
}

TEST_F(AddressBookSourceTest, ACancelledLogonSaysNothingAndClosesWithoutLogoff) {
    AddressBookSource& source = Source("mapi configured\nmapi logon cancel");
    EXPECT_FALSE(source.OpenMessagingAddressBook());
    source.CloseMessagingAddressBook();
    EXPECT_TRUE(user_.messages.empty());
    EXPECT_THAT(Calls(), ElementsAre("MAPIInitialize", "MAPILogonEx", "MAPIUninitialize"));
    EXPECT_EQ(connection_->Leftovers(), "");
}

TEST_F(AddressBookSourceTest, AnAddressBookWarningOpensAndClosesInOrder) {
    AddressBookSource& source = Source("mapi configured\nmapi addressbook warning");
    EXPECT_TRUE(source.OpenMessagingAddressBook());
    source.CloseMessagingAddressBook();
    EXPECT_THAT(Calls(), ElementsAre("MAPIInitialize", "MAPILogonEx", "OpenAddressBook",
                                     "Release:AddressBook", "Logoff", "Release:Session",
                                     "MAPIUninitialize"));
}

TEST_F(AddressBookSourceTest, TheDefaultWabFileIsAnEmptyNameInTheDefaultLibrary) {
    AddressBookSource& source = Source("wab present");
    EXPECT_TRUE(source.OpenWabAddressBook(""));
    source.CloseWabAddressBook();
    EXPECT_THAT(Calls(), ElementsAre("LoadLibrary:WAB32.DLL", "WABOpen:", "Release:AddressBook",
                                     "Release:WabObject", "FreeLibrary:WAB"));
}

TEST_F(AddressBookSourceTest, TheRegisteredWabLibraryOpensTheChosenFile) {
    AddressBookSource& source = Source("wab present");
    context_.addressBookLibraryPath = "C:\\Wab\\wab32.dll";
    EXPECT_TRUE(source.OpenWabAddressBook("C:\\people.wab"));
    EXPECT_THAT(Calls(), ElementsAre("LoadLibrary:C:\\Wab\\wab32.dll", "WABOpen:C:\\people.wab"));
    source.CloseWabAddressBook();
}

TEST_F(AddressBookSourceTest, AWabWarningFailsButItsObjectsAreReleased) {
    AddressBookSource& source = Source("wab present\nwab open warning");
    EXPECT_FALSE(source.OpenWabAddressBook(""));
    source.CloseWabAddressBook();
    EXPECT_TRUE(user_.messages.empty());  // the run reports it
    EXPECT_THAT(Calls(), Contains("Release:WabObject"));
    EXPECT_EQ(connection_->Leftovers(), "");
}

TEST_F(AddressBookSourceTest, AMissingWabLibraryOpensNothing) {
    AddressBookSource& source = Source("wab absent");
    EXPECT_FALSE(source.OpenWabAddressBook(""));
    source.CloseWabAddressBook();
    EXPECT_THAT(Calls(), ElementsAre("LoadLibrary:WAB32.DLL"));
}

TEST_F(AddressBookSourceTest, ACancelledAddressDialogWalksNothing) {
    AddressBookSource& source = Source("mapi configured\nuser a A primary 1\nchoose cancel");
    ASSERT_TRUE(source.OpenMessagingAddressBook());
    source.ImportFromAddressDialog(collection_, counters_);
    source.CloseMessagingAddressBook();
    EXPECT_THAT(Calls(), Not(Contains("OpenEntry:a")));
    EXPECT_EQ(counters_.selectedCount, 0);
    EXPECT_EQ(connection_->Leftovers(), "");
}

TEST_F(AddressBookSourceTest, ChosenEntriesAreImportedAndTheListFreed) {
    AddressBookSource& source = Source("wab present\nuser a A primary 1\nchoose a a");
    ASSERT_TRUE(source.OpenWabAddressBook(""));
    source.ImportFromAddressDialog(collection_, counters_);
    EXPECT_EQ(connection_->Ledger().liveBuffers, 0);
    source.CloseWabAddressBook();
    EXPECT_THAT(collection_.entries, ElementsAre("A [1]"));
    EXPECT_EQ(counters_.selectedCount, 2);
    EXPECT_EQ(counters_.rejectedCount, 1);
}

}  // namespace
