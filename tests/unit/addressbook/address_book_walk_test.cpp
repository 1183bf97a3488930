#include "addressbook/address_book_walk.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/unit/addressbook/memory_book_fixture.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/scripted_user.h"

using namespace recipients;

namespace {

using addressbook::AddressBook;
using addressbook::AddressBookWalk;
using addressbook::Comparison;
using addressbook::EntryList;
using addressbook::EntryReference;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Passes everything to the book behind it, except what a test makes fail.
class FaultyBook : public AddressBook {
  public:
    explicit FaultyBook(AddressBook& book) : book_(book) {}
    std::unique_ptr<EntryList> Address(ui::WindowHandle host) override {
        return book_.Address(host);
    }
    std::unique_ptr<addressbook::OpenedEntry> OpenEntry(std::string_view id) override {
        return book_.OpenEntry(id);
    }
    Comparison CompareEntryIds(std::string_view first, std::string_view second) override {
        return comparisonsFail ? Comparison::Failed : book_.CompareEntryIds(first, second);
    }
    std::unique_ptr<addressbook::Buffer> Allocate(std::size_t size) override {
        return allocationsFail ? nullptr : book_.Allocate(size);
    }

    bool comparisonsFail = false;
    bool allocationsFail = false;

  private:
    AddressBook& book_;
};

// Counts the progress notices that are up.
class NoticeCountingBackend : public ui::headless::HeadlessBackend {
  public:
    using HeadlessBackend::HeadlessBackend;
    ui::WindowHandle CreateModeless(int templateId) override {
        ++noticesUp;
        ++noticesShown;
        return HeadlessBackend::CreateModeless(templateId);
    }
    void DestroyModeless(ui::WindowHandle window) override {
        --noticesUp;
        HeadlessBackend::DestroyModeless(window);
    }
    int noticesUp = 0;
    int noticesShown = 0;
};

class FixedEntryList : public EntryList {
  public:
    explicit FixedEntryList(std::vector<EntryReference> entries) : entries_(std::move(entries)) {}
    std::size_t Count() const override { return entries_.size(); }
    EntryReference At(std::size_t index) const override { return entries_[index]; }

  private:
    std::vector<EntryReference> entries_;
};

class AddressBookWalkTest : public ::testing::Test, protected MemoryBookFixture {
  protected:
    void Walk(std::string_view setup, int limit = 0) {
        Open(setup);
        collection_.limit = limit;
        const auto chosen = connection_->Book()->Address(0);
        ASSERT_TRUE(chosen);
        WalkOver(*chosen);
    }
    void Open(std::string_view setup) {
        MakeBook("mapi configured\n" + std::string(setup));
        ASSERT_EQ(connection_->OpenMessaging(0), addressbook::MessagingOpen::Opened);
        faulty_.emplace(*connection_->Book());
    }
    void WalkOver(const EntryList& chosen) {
        AddressBookWalk(*faulty_, collection_, counters_).ImportChosenEntries(chosen, backend_);
    }
    void ExpectCounters(int selected, int valid, int rejected) const {
        EXPECT_EQ(counters_.selectedCount, selected);
        EXPECT_EQ(counters_.validFaxCount, valid);
        EXPECT_EQ(counters_.rejectedCount, rejected);
    }

    ui::headless::ScriptedUser user_;
    NoticeCountingBackend backend_{user_};
    std::optional<FaultyBook> faulty_;
    RecipientCollection collection_;
    ImportCounters counters_;
};

TEST_F(AddressBookWalkTest, EachFaxNumberOfAUserIsAnEntryWithItsName) {
    Walk("user ann Ann primary 123 home 456\nchoose ann");
    EXPECT_THAT(collection_.entries, ElementsAre("Ann [123]", "Ann [456]"));
    EXPECT_EQ(collection_.count, 2);
    ExpectCounters(1, 2, 0);
}

TEST_F(AddressBookWalkTest, ADuplicateNumberIsNoRejectionWhenAnotherNumberIsTaken) {
    Walk("user bob Bob primary 777 business 777\nchoose bob");
    EXPECT_THAT(collection_.entries, ElementsAre("Bob [777]"));
    ExpectCounters(1, 1, 0);
}

TEST_F(AddressBookWalkTest, EntriesThatYieldNoFaxEntryAreRejected) {
    Walk(
        "user carl Carl\nuser dora Dora primary \" , \"\nother room Room\n"
        "choose carl dora room");
    EXPECT_THAT(collection_.entries, IsEmpty());
    ExpectCounters(3, 0, 3);
}

TEST_F(AddressBookWalkTest, MailUsersThatCannotBeReadAreOnlyCountedAsExamined) {
    Walk(
        "user shut Shut primary 1\nuser dumb Dumb primary 2\nbroken shut open\n"
        "broken dumb props\nchoose shut dumb");
    EXPECT_THAT(collection_.entries, IsEmpty());
    ExpectCounters(2, 0, 0);
}

TEST_F(AddressBookWalkTest, EntriesWithoutIdentifierOrTypeCountAsOtherObjects) {
    Open("user ann Ann primary 1");
    const FixedEntryList chosen({{std::nullopt, addressbook::kMailUser},
                                 {std::string_view("ann"), std::nullopt},
                                 {std::string_view("ann"), addressbook::kMailUser}});
    WalkOver(chosen);
    EXPECT_THAT(collection_.entries, ElementsAre("Ann [1]"));
    ExpectCounters(3, 1, 2);
}

TEST_F(AddressBookWalkTest, TextsAreCutToTheirFieldsBeforeTheEntryIsBuilt) {
    Walk(
        "user long \"Abcdefghij Klmnopqrst Uvwxyzabcd Efghijklm\" "
        "primary \"1234567890123456789012345678901234x\"\n"
        "user nameless - primary 99\nchoose long nameless");
    EXPECT_THAT(
        collection_.entries,
        ElementsAre("Abcdefghij Klmnopqrst Uvwxyzab [123456789012345678901234567890]", " [99]"));
}

TEST_F(AddressBookWalkTest, AFullCollectionStillCountsValidNumbers) {
    std::string setup;
    std::string choose = "choose";
    for (int i = 1; i <= 60; ++i) {
        setup += "user u" + std::to_string(i) + " U" + std::to_string(i) + " primary " +
                 std::to_string(1000 + i) + "\n";
        choose += " u" + std::to_string(i);
    }
    // After the limit a duplicate is still refused as a duplicate, and so rejected.
    Walk(setup + "user again U1 primary 1001\n" + choose + " again", 50);
    EXPECT_EQ(collection_.count, 50);
    EXPECT_EQ(collection_.entries.back(), "U50 [1050]");
    ExpectCounters(61, 60, 1);
}

TEST_F(AddressBookWalkTest, NestedListsAreExpandedDepthFirstAndOnce) {
    Walk(
        "user a A primary 1\nuser b B primary 2\nuser c C primary 3\nuser d D primary 4\n"
        "list loop Loop member a member loop member b\nlist shared Shared member c\n"
        "list outer Outer member inner member d\nlist inner Inner member outer member shared\n"
        "list second Second member shared\nchoose loop outer second");
    EXPECT_THAT(collection_.entries, ElementsAre("A [1]", "B [2]", "C [3]", "D [4]"));
    ExpectCounters(4, 4, 0);
}

TEST_F(AddressBookWalkTest, AListChosenTwiceIsExpandedTwice) {
    Walk("user a A primary 1\nlist team Team member a\nchoose team team");
    EXPECT_THAT(collection_.entries, ElementsAre("A [1]"));
    ExpectCounters(2, 1, 1);
}

TEST_F(AddressBookWalkTest, AMemberListThatCannotBeComparedIsTakenAsExpanded) {
    Open(
        "user a A primary 1\nuser b B primary 2\nlist top Top member a member sub\n"
        "list sub Sub member b\nchoose top");
    faulty_->comparisonsFail = true;
    WalkOver(*connection_->Book()->Address(0));
    EXPECT_THAT(collection_.entries, ElementsAre("A [1]"));
    ExpectCounters(1, 1, 0);
}

TEST_F(AddressBookWalkTest, AListWithoutARecordCountsAsAnotherObject) {
    Open("user a A primary 1\nlist top Top member a\nchoose top");
    faulty_->allocationsFail = true;
    WalkOver(*connection_->Book()->Address(0));
    EXPECT_THAT(collection_.entries, IsEmpty());
    ExpectCounters(1, 0, 1);
}

TEST_F(AddressBookWalkTest, TheTwoHundredFiftySeventhListIsNotExpanded) {
    std::string setup;
    for (int i = 1; i <= 257; ++i) {
        const std::string n = std::to_string(i);
        setup += "user u" + n + " U" + n + " primary " + n + "\nlist l" + n + " L" + n +
                 " member u" + n + (i < 257 ? " member l" + std::to_string(i + 1) : "") + "\n";
    }
    Walk(setup + "choose l1");
    EXPECT_EQ(collection_.count, 256);
    ExpectCounters(257, 256, 1);
}

TEST_F(AddressBookWalkTest, FailingListsGiveNothingAndStayTakenUp) {
    Walk(
        "user a A primary 1\nuser b B primary 2\nuser c C primary 3\n"
        "list closed Closed member a\nlist notable NoTable member a\n"
        "list rows Rows member b member c\nlist top Top member closed member notable member rows\n"
        "list again Again member closed member notable\n"
        "broken closed open\nbroken notable table\nbroken rows row 2\nchoose top again");
    EXPECT_THAT(collection_.entries, ElementsAre("B [2]"));
    ExpectCounters(1, 1, 0);
}

TEST_F(AddressBookWalkTest, EverythingObtainedIsGivenBackAndTheNoticeIsUpMeanwhile) {
    Walk(
        "user a A primary 1\nuser b B\nlist top Top member a member top member sub\n"
        "list sub Sub member b member a\nlist rows Rows member a member b\nbroken rows row 2\n"
        "choose top rows a");
    EXPECT_EQ(connection_->Ledger().liveBuffers, 0);
    EXPECT_EQ(connection_->Ledger().liveObjects, 1);  // the open book itself
    EXPECT_EQ(backend_.noticesShown, 1);
    EXPECT_EQ(backend_.noticesUp, 0);
    connection_->CloseMessaging(0);
    EXPECT_EQ(connection_->Leftovers(), "");
}

TEST_F(AddressBookWalkTest, AWalkStartsFromAnEmptyCollection) {
    Open("user a A primary 1\nchoose a");
    collection_.entries = {"Old [1]"};
    collection_.count = 1;
    WalkOver(*connection_->Book()->Address(0));
    EXPECT_THAT(collection_.entries, ElementsAre("A [1]"));
    EXPECT_EQ(collection_.count, 1);
}

}  // namespace
