#include "contactfile/recipient_picker_dialog.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "resources/control_ids.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"

using namespace recipients;
using namespace contactfile;

namespace {

using ui::WindowHandle;
using ui::headless::HeadlessBackend;

using Texts = std::vector<std::string>;

class RecipientPickerDialogTest : public testing::Test {
  protected:
    int Run(std::function<void(WindowHandle)> act, std::string_view helpFile = "") {
        user_.onDialog = [&](HeadlessBackend&, WindowHandle dialog) { act(dialog); };
        collection_.count = static_cast<int>(candidates_.size());
        RecipientPickerDialog dialog(backend_, platform_, helpFile, "C:\\in.csv", candidates_,
                                     collection_);
        return dialog.DoModal();
    }

    Texts Items(WindowHandle dialog, int id) {
        Texts texts;
        for (const auto& item : backend_.FindControl(dialog, id).items) {
            texts.push_back(item.text);
        }
        return texts;
    }

    std::vector<int> Selected(WindowHandle dialog, int id) {
        return backend_.GetSelItems(dialog, id);
    }

    void Type(WindowHandle dialog, std::string_view text) {
        for (const char c : text) {
            backend_.TypeCharacter(dialog, IDC_PICKER_TYPE_AHEAD, c);
        }
    }

    // Selects exactly these source items and presses "To ->".
    void Move(WindowHandle dialog, std::initializer_list<int> items) {
        backend_.SelectAllListItems(dialog, IDC_PICKER_SOURCE_LIST, false);
        for (const int item : items) {
            backend_.ControlClickListItem(dialog, IDC_PICKER_SOURCE_LIST, item);
        }
        backend_.Click(dialog, IDC_PICKER_TO_SELECTED);
    }

    // A candidate whose texts live as long as the test.
    recipients::ContactCandidate Candidate(std::string name, std::string fax) {
        const std::string& kept = texts_.emplace_back(std::move(name));
        return {kept.c_str(), texts_.emplace_back(std::move(fax)).c_str()};
    }


    ui::headless::ScriptedUser user_;
    HeadlessBackend backend_{user_};
    ui::headless::HeadlessPlatform platform_{user_};
    std::deque<std::string> texts_;
    std::vector<recipients::ContactCandidate> candidates_;
    RecipientCollection collection_;
};

TEST_F(RecipientPickerDialogTest, OffersEveryCandidateInFileOrder) {
    candidates_ = {Candidate("Ann", "1"), Candidate("", "2"), Candidate("Ann", "1"),
                   Candidate("Bob", "")};
    Run([&](WindowHandle dialog) {
        EXPECT_EQ(Items(dialog, IDC_PICKER_SOURCE_LIST),
                  (Texts{"Ann [1]", " [2]", "Ann [1]", "Bob []"}));
        EXPECT_EQ(backend_.FindControl(dialog, IDC_PICKER_SOURCE_LIST).items[2].data, 2);
        EXPECT_EQ(Selected(dialog, IDC_PICKER_SOURCE_LIST), (std::vector<int>{0}));
        EXPECT_TRUE(Items(dialog, IDC_PICKER_SELECTED_LIST).empty());
        EXPECT_EQ(collection_.count, 0);
        EXPECT_EQ(backend_.GetTitle(dialog), "CSV Import - C:\\in.csv");
        EXPECT_EQ(backend_.Foreground(), dialog);
        EXPECT_EQ(backend_.OpenDialogs().size(), 1u);  // the progress notice is gone
        backend_.Click(dialog, ui::kIdCancel);
    });
}

TEST_F(RecipientPickerDialogTest, OkHandsTheSelectedListToTheCollection) {
    candidates_ = {Candidate("Ann", "1"), Candidate("Bob", "2"), Candidate("Cy", "3")};
    const int end = Run([&](WindowHandle dialog) {
        Move(dialog, {2, 0});
        EXPECT_EQ(Items(dialog, IDC_PICKER_SELECTED_LIST), (Texts{"Ann [1]", "Cy [3]"}));
        EXPECT_EQ(Selected(dialog, IDC_PICKER_SOURCE_LIST),
                  (std::vector<int>{0, 2}));  // stays selected
        backend_.Click(dialog, ui::kIdOk);
    });
    EXPECT_EQ(end, ui::kIdOk);
    EXPECT_EQ(collection_.count, 2);
    EXPECT_EQ(collection_.entries, (Texts{"Ann [1]", "Cy [3]"}));
}

TEST_F(RecipientPickerDialogTest, SkipsDuplicatesAndEmptyFaxNumbersSilently) {
    candidates_ = {Candidate("Ann", "1"), Candidate("Ann", "1"), Candidate("ann", "1"),
                   Candidate("Ann", "")};
    Run([&](WindowHandle dialog) {
        Move(dialog, {0, 1, 2, 3});
        Move(dialog, {0});
        EXPECT_EQ(Items(dialog, IDC_PICKER_SELECTED_LIST), (Texts{"Ann [1]", "ann [1]"}));
        EXPECT_EQ(backend_.FindControl(dialog, IDC_PICKER_SELECTED_LIST).items[1].data, 2);
        backend_.Click(dialog, ui::kIdOk);
    });
    EXPECT_TRUE(user_.messages.empty());
}

TEST_F(RecipientPickerDialogTest, TypeAheadIgnoresCase) {
    candidates_ = {Candidate("Sam", "1"), Candidate("Smith", "2"), Candidate("Bo", "3"),
                   Candidate("SMALL", "4")};
    Run([&](WindowHandle dialog) {
        backend_.ClickListItem(dialog, IDC_PICKER_SOURCE_LIST, 2);
        Type(dialog, "sm");
        EXPECT_EQ(Selected(dialog, IDC_PICKER_SOURCE_LIST), (std::vector<int>{3}));
        Type(dialog, "i");
        EXPECT_EQ(Selected(dialog, IDC_PICKER_SOURCE_LIST), (std::vector<int>{1}));
        backend_.Click(dialog, ui::kIdCancel);
    });
}

TEST_F(RecipientPickerDialogTest, HelpOpensTheHelpFileWhenThereIsOne) {
    Run([&](WindowHandle dialog) {
        backend_.Click(dialog, IDC_PICKER_HELP);
        backend_.Click(dialog, ui::kIdCancel);
    });
    EXPECT_TRUE(platform_.HelpRequests().empty());
    Run(
        [&](WindowHandle dialog) {
            backend_.Click(dialog, IDC_PICKER_HELP);
            backend_.Click(dialog, ui::kIdCancel);
        },
        "C:\\tool\\VORDAL.HLP");
    ASSERT_EQ(platform_.HelpRequests().size(), 1u);
    EXPECT_EQ(platform_.HelpRequests()[0].file, "C:\\tool\\VORDAL.HLP");
    EXPECT_EQ(platform_.HelpRequests()[0].contextId, 15511);
}

}  // namespace
