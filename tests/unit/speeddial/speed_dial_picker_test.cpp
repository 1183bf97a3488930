#include "speeddial/speed_dial_picker_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "speeddial/speed_dial_reader.h"
#include "text/text_image.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"

using namespace recipients;
using namespace speeddial;

namespace {

using ui::WindowHandle;
using ui::headless::HeadlessBackend;
using Action = std::function<void(HeadlessBackend&, WindowHandle)>;

constexpr char kFile[] = "C:\\Fax\\speed dial.csv";
constexpr char kCaption[] = "Speed Dial CSV Import";

// Records 0 to 3 are numbers 10, 2, 1 and 12; records 1 and 3 are the same recipient.
constexpr char kSpeedDialFile[] =
    "*,1,0,2\n"
    "10,X,0101,Ann\n"
    "2,X,0202,Bob\n"
    "1,P,0303,Cy,,, 2 ,,,,,S3Ct,P05/1,,SkM=\n"
    "12,X,0202,Bob\n";

std::vector<std::string> Texts(const ui::headless::ControlState& list) {
    std::vector<std::string> texts;
    for (const auto& item : list.items) {
        texts.push_back(item.text);
    }
    return texts;
}

class SpeedDialPickerTest : public testing::Test {
  protected:
    void SetUp() override { Load(kSpeedDialFile); }

    void Load(const std::string& text) {
        collection_ = RecipientCollection{};
        text::TextImage image;
        ASSERT_EQ(image.Assign(text, platform_), 0);
        int rejected = 0;
        ASSERT_GE(ParseSpeedDialImage(image, collection_, rejected, records_), 0);
    }

    // Runs the picker; act plays the user in it, details in any record dialog it opens.
    int Run(const Action& act, const Action& details = {}) {
        user_.onDialog = [&](HeadlessBackend& backend, WindowHandle dialog) {
            if (backend.FindWindow(dialog)->templateId == kSpeedDialRecordTemplate) {
                ASSERT_TRUE(details) << "unexpected record dialog";
                details(backend, dialog);
                backend.Click(dialog, ui::kIdOk);
                return;
            }
            act(backend, dialog);
        };
        SpeedDialPickerDialog picker(backend_, platform_, helpFile_, kFile, records_, collection_);
        return picker.DoModal();
    }

    // Selects the source items with these texts and clicks "To ->".
    static void Move(HeadlessBackend& backend, WindowHandle dialog,
                     const std::vector<std::string>& numbers) {
        SelectSource(backend, dialog, numbers);
        backend.Click(dialog, IDC_SPEED_DIAL_TO_SELECTED);
    }

    static void SelectSource(HeadlessBackend& backend, WindowHandle dialog,
                             const std::vector<std::string>& numbers) {
        backend.SelectAllListItems(dialog, IDC_SPEED_DIAL_SOURCE_LIST, false);
        const std::vector<std::string> items =
            Texts(backend.FindControl(dialog, IDC_SPEED_DIAL_SOURCE_LIST));
        for (const std::string& number : numbers) {
            const auto found = std::find(items.begin(), items.end(), number);
            ASSERT_NE(found, items.end()) << number;
            backend.ControlClickListItem(dialog, IDC_SPEED_DIAL_SOURCE_LIST,
                                         static_cast<int>(found - items.begin()));
        }
    }

    static std::vector<std::string> Selected(HeadlessBackend& backend, WindowHandle dialog) {
        return Texts(backend.FindControl(dialog, IDC_SPEED_DIAL_SELECTED_LIST));
    }

    ui::headless::ScriptedUser user_;
    HeadlessBackend backend_{user_};
    ui::headless::HeadlessPlatform platform_{user_};
    std::string helpFile_ = "C:\\Fax\\VORDAL.HLP";
    SpeedDialRecords records_;
    RecipientCollection collection_;
};

TEST_F(SpeedDialPickerTest, OffersTheNumbersSortedAsTextWithTheirRecords) {
    Run([&](HeadlessBackend& backend, WindowHandle dialog) {
        EXPECT_EQ(backend.GetTitle(dialog), "Speed Dial CSV Import - C:\\Fax\\speed dial.csv");
        EXPECT_EQ(collection_.count, 0);
        const auto& source = backend.FindControl(dialog, IDC_SPEED_DIAL_SOURCE_LIST);
        EXPECT_EQ(Texts(source), (std::vector<std::string>{"1", "10", "12", "2"}));
        std::vector<std::intptr_t> data;
        for (const auto& item : source.items) {
            data.push_back(item.data);
        }
        EXPECT_EQ(data, (std::vector<std::intptr_t>{2, 0, 3, 1}));
        EXPECT_TRUE(source.items[0].selected);
        EXPECT_FALSE(source.items[1].selected);
        EXPECT_EQ(backend.FindControl(dialog, IDC_SPEED_DIAL_COLUMN_HEADER).text,
                  "Speed Dial#\tSelected Recipients");
        EXPECT_EQ(backend.FindControl(dialog, IDC_SPEED_DIAL_COLUMN_HEADER).tabStops,
                  std::vector<int>{50});
        EXPECT_EQ(backend.FindControl(dialog, IDC_SPEED_DIAL_SELECTED_LIST).tabStops,
                  std::vector<int>{50});
        EXPECT_TRUE(backend.FindControl(dialog, IDC_SPEED_DIAL_SELECTED_LIST).items.empty());
        EXPECT_EQ(backend.Foreground(), dialog);
        backend.Click(dialog, ui::kIdCancel);
    });
}

TEST_F(SpeedDialPickerTest, MovesNumberNameAndFaxIntoTheSelectedList) {
    Run([&](HeadlessBackend& backend, WindowHandle dialog) {
        Move(backend, dialog, {"2", "1"});
        EXPECT_EQ(Selected(backend, dialog),
                  (std::vector<std::string>{"1\tCy [0303]", "2\tBob [0202]"}));
        EXPECT_EQ(backend.FindControl(dialog, IDC_SPEED_DIAL_SELECTED_LIST).items[0].data, 2);
        // The source list keeps its items and their selection.
        EXPECT_EQ(backend.FindControl(dialog, IDC_SPEED_DIAL_SOURCE_LIST).items.size(), 4u);
        EXPECT_TRUE(backend.FindControl(dialog, IDC_SPEED_DIAL_SOURCE_LIST).items[0].selected);
        // An entry already selected is skipped silently.
        backend.Click(dialog, IDC_SPEED_DIAL_TO_SELECTED);
        EXPECT_EQ(Selected(backend, dialog).size(), 2u);
        backend.Click(dialog, ui::kIdCancel);
    });
    EXPECT_TRUE(user_.messages.empty());
}

TEST_F(SpeedDialPickerTest, AsksBeforeReplacingAnEqualRecipient) {
    user_.onMessage = [](const ui::headless::MessageRequest&) { return ui::MessageAnswer::No; };
    Run([&](HeadlessBackend& backend, WindowHandle dialog) {
        Move(backend, dialog, {"2"});
        Move(backend, dialog, {"12"});
        EXPECT_EQ(Selected(backend, dialog), std::vector<std::string>{"2\tBob [0202]"});
        user_.onMessage = [](const ui::headless::MessageRequest&) {
            return ui::MessageAnswer::Yes;
        };
        Move(backend, dialog, {"10", "12"});
        EXPECT_EQ(Selected(backend, dialog),
                  (std::vector<std::string>{"10\tAnn [0101]", "12\tBob [0202]"}));
        EXPECT_EQ(backend.FindControl(dialog, IDC_SPEED_DIAL_SELECTED_LIST).items[1].data, 3);
        backend.Click(dialog, ui::kIdCancel);
    });
    ASSERT_EQ(user_.messages.size(), 2u);
    const auto& question = user_.messages[0];
    EXPECT_EQ(question.text,
              "Name :  Bob\nFax # :  0202\n\nThe recipient already exists in the current "
              "selection.\nDo you want to replace it?");
    EXPECT_EQ(question.caption, kCaption);
    EXPECT_EQ(question.icon, ui::MessageIcon::Question);
    EXPECT_EQ(question.buttons, ui::MessageButtons::YesNo);
}

TEST_F(SpeedDialPickerTest, ANameDifferingInCaseIsAnotherRecipient) {
    Load("*,1,0,2\n1,X,0202,Bob\n2,X,0202,BOB\n");
    Run([&](HeadlessBackend& backend, WindowHandle dialog) {
        Move(backend, dialog, {"1", "2"});
        EXPECT_EQ(Selected(backend, dialog).size(), 2u);
        backend.Click(dialog, ui::kIdCancel);
    });
    EXPECT_TRUE(user_.messages.empty());
}

TEST_F(SpeedDialPickerTest, DeleteRemovesTheSelectedLinesOnly) {
    Run([&](HeadlessBackend& backend, WindowHandle dialog) {
        Move(backend, dialog, {"1", "10", "2"});
        backend.ClickListItem(dialog, IDC_SPEED_DIAL_SELECTED_LIST, 0);
        backend.ControlClickListItem(dialog, IDC_SPEED_DIAL_SELECTED_LIST, 2);
        backend.PressKey(dialog, IDC_SPEED_DIAL_SELECTED_LIST, ui::kKeyDelete);
        EXPECT_EQ(Selected(backend, dialog), std::vector<std::string>{"10\tAnn [0101]"});
        // Once Bob's line is gone, his other number is no longer a duplicate.
        Move(backend, dialog, {"12"});
        EXPECT_EQ(Selected(backend, dialog),
                  (std::vector<std::string>{"10\tAnn [0101]", "12\tBob [0202]"}));
        backend.ClickListItem(dialog, IDC_SPEED_DIAL_SELECTED_LIST, 0);
        backend.Click(dialog, IDC_SPEED_DIAL_DELETE);
        EXPECT_EQ(Selected(backend, dialog), std::vector<std::string>{"12\tBob [0202]"});
        EXPECT_EQ(backend.FindControl(dialog, IDC_SPEED_DIAL_SOURCE_LIST).items.size(), 4u);
        backend.Click(dialog, ui::kIdCancel);
    });
    EXPECT_TRUE(user_.messages.empty());
}

TEST_F(SpeedDialPickerTest, OkHandsOverEntriesAndRecordIndicesInListOrder) {
    EXPECT_EQ(Run([&](HeadlessBackend& backend, WindowHandle dialog) {
                  Move(backend, dialog, {"12"});
                  Move(backend, dialog, {"10"});
                  backend.Click(dialog, ui::kIdOk);
              }),
              ui::kIdOk);
    EXPECT_EQ(collection_.count, 2);
    EXPECT_EQ(collection_.entries, (TextList{"Bob [0202]", "Ann [0101]"}));
    EXPECT_EQ(collection_.speedDialNumbers, (TextList{"3", "0"}));
}

TEST_F(SpeedDialPickerTest, CancelKeepsEveryRecordsNumberForTheNextRun) {
    EXPECT_EQ(Run([&](HeadlessBackend& backend, WindowHandle dialog) {
                  Move(backend, dialog, {"1"});
                  backend.Click(dialog, ui::kIdCancel);
              }),
              ui::kIdCancel);
    EXPECT_EQ(collection_.speedDialNumbers, (TextList{"10", "2", "1", "12"}));
}

TEST_F(SpeedDialPickerTest, KeepsTheEntryWholeWhateverTheNumberHolds) {
    const std::string number = "7\t" + std::string(300, '7');
    Load("*,1,0,2\n" + number + ",X,0123,Name\n");
    Run([&](HeadlessBackend& backend, WindowHandle dialog) {
        Move(backend, dialog, {number});
        EXPECT_EQ(Selected(backend, dialog), std::vector<std::string>{number + "\tName [0123]"});
        backend.Click(dialog, ui::kIdOk);
    });
    EXPECT_EQ(collection_.entries, TextList{"Name [0123]"});
}

TEST_F(SpeedDialPickerTest, ViewDetailsShowsOneRecordAsTheFileGaveIt) {
    std::vector<std::string> shown;
    std::string title;
    Run(
        [&](HeadlessBackend& backend, WindowHandle dialog) {
            SelectSource(backend, dialog, {"1"});
            backend.Click(dialog, IDC_SPEED_DIAL_VIEW_DETAILS);
            backend.Click(dialog, ui::kIdCancel);
        },
        [&](HeadlessBackend& backend, WindowHandle dialog) {
            title = backend.GetTitle(dialog);
            for (int id = 1060; id <= 1065; ++id) {
                shown.push_back(backend.FindControl(dialog, id).text);
            }
            EXPECT_EQ(backend.Foreground(), dialog);
        });
    EXPECT_EQ(title, "Speed Dial #1");
    EXPECT_EQ(shown, (std::vector<std::string>{"Cy", "0303", "2", "S3Ct", "P05/1", "SkM="}));
    EXPECT_TRUE(user_.messages.empty());
}

TEST_F(SpeedDialPickerTest, ViewDetailsWantsExactlyOneSourceItem) {
    Run([&](HeadlessBackend& backend, WindowHandle dialog) {
        SelectSource(backend, dialog, {});
        backend.Click(dialog, IDC_SPEED_DIAL_VIEW_DETAILS);
        SelectSource(backend, dialog, {"1", "2"});
        backend.Click(dialog, IDC_SPEED_DIAL_VIEW_DETAILS);
        backend.Click(dialog, ui::kIdCancel);
    });
    ASSERT_EQ(user_.messages.size(), 2u);
    EXPECT_EQ(user_.messages[0].text,
              "You must select exactly one speed dial number from the list in order to view the "
              "details.");
    EXPECT_EQ(user_.messages[0].caption, kCaption);
    EXPECT_EQ(user_.messages[0].icon, ui::MessageIcon::Warning);
}

TEST_F(SpeedDialPickerTest, HelpOpensItsTopicWhenThereIsAHelpFile) {
    Run([&](HeadlessBackend& backend, WindowHandle dialog) {
        backend.Click(dialog, IDC_SPEED_DIAL_HELP);
        backend.Click(dialog, ui::kIdCancel);
    });
    ASSERT_EQ(platform_.HelpRequests().size(), 1u);
    EXPECT_EQ(platform_.HelpRequests()[0].file, helpFile_);
    EXPECT_EQ(platform_.HelpRequests()[0].contextId, 15514);

    helpFile_.clear();
    Run([&](HeadlessBackend& backend, WindowHandle dialog) {
        backend.Click(dialog, IDC_SPEED_DIAL_HELP);
        backend.Click(dialog, ui::kIdCancel);
    });
    EXPECT_EQ(platform_.HelpRequests().size(), 1u);
}

}  // namespace
