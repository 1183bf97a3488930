// What both recipient pickers share through recipients/: the limit and its warning, Delete,
// type-ahead and the hand-over on Cancel, each checked on the contact-file and the speed-dial
// picker alike.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "contactfile/recipient_picker_dialog.h"
#include "resources/control_ids.h"
#include "speeddial/speed_dial_picker_dialog.h"
#include "speeddial/speed_dial_reader.h"
#include "text/text_image.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"

namespace {

using recipients::RecipientCollection;
using Texts = std::vector<std::string>;
using ui::WindowHandle;
using ui::headless::HeadlessBackend;
using ui::headless::HeadlessPlatform;
using Act = std::function<void(WindowHandle)>;

// Offers one recipient per key, each key the start of its source item; the keys are given in the
// order the source list shows them.
class ContactFilePicker {
  public:
    static constexpr int kSourceList = IDC_PICKER_SOURCE_LIST;
    static constexpr int kSelectedList = IDC_PICKER_SELECTED_LIST;
    static constexpr int kToSelected = IDC_PICKER_TO_SELECTED;
    static constexpr int kDelete = IDC_PICKER_DELETE;
    static constexpr int kTypeAhead = IDC_PICKER_TYPE_AHEAD;
    static constexpr char kCaption[] = "CSV Import";

    void Offer(const Texts& keys, RecipientCollection& collection) {
        for (const std::string& key : keys) {
            const std::string& kept = texts_.emplace_back(key);
            candidates_.push_back({kept.c_str(), texts_.emplace_back("9" + key).c_str()});
        }
        collection.count = static_cast<int>(candidates_.size());
    }

    int Run(HeadlessBackend& backend, HeadlessPlatform& platform, RecipientCollection& collection) {
        contactfile::RecipientPickerDialog dialog(backend, platform, "", "C:\\in.csv", candidates_,
                                                  collection);
        return dialog.DoModal();
    }

  private:
    std::deque<std::string> texts_;
    std::vector<recipients::ContactCandidate> candidates_;
};

class SpeedDialPicker {
  public:
    static constexpr int kSourceList = IDC_SPEED_DIAL_SOURCE_LIST;
    static constexpr int kSelectedList = IDC_SPEED_DIAL_SELECTED_LIST;
    static constexpr int kToSelected = IDC_SPEED_DIAL_TO_SELECTED;
    static constexpr int kDelete = IDC_SPEED_DIAL_DELETE;
    static constexpr int kTypeAhead = IDC_SPEED_DIAL_TYPE_AHEAD;
    static constexpr char kCaption[] = "Speed Dial CSV Import";

    // Each key is a speed-dial number, so the keys must be in text order.
    void Offer(const Texts& keys, RecipientCollection& collection) {
        std::string file = "*,1,0,2\n";
        for (const std::string& key : keys) {
            file += key + ",X,9" + key + ",N" + key + "\n";
        }
        text::TextImage image;
        ASSERT_EQ(image.Assign(file, platform_), 0);
        int rejected = 0;
        ASSERT_EQ(speeddial::ParseSpeedDialImage(image, collection, rejected, records_),
                  static_cast<int>(keys.size()));
    }

    int Run(HeadlessBackend& backend, HeadlessPlatform& platform, RecipientCollection& collection) {
        speeddial::SpeedDialPickerDialog dialog(backend, platform, "", "C:\\in.csv", records_,
                                                collection);
        return dialog.DoModal();
    }

  private:
    ui::headless::ScriptedUser parseUser_;
    HeadlessPlatform platform_{parseUser_};
    speeddial::SpeedDialRecords records_;
};

// Keys in the same order as text and as numbers.
Texts NumberedKeys(int count) {
    Texts keys;
    for (int i = 0; i < count; ++i) {
        keys.push_back(std::to_string(100 + i));
    }
    return keys;
}

template <typename Picker>
class PickerListTest : public testing::Test {
  protected:
    int Run(const Texts& keys, const Act& act) {
        Picker picker;
        picker.Offer(keys, collection_);
        user_.onDialog = [&](HeadlessBackend&, WindowHandle dialog) { act(dialog); };
        return picker.Run(backend_, platform_, collection_);
    }

    // Selects exactly these source items and presses "To ->".
    void Move(WindowHandle dialog, std::initializer_list<int> items) {
        backend_.SelectAllListItems(dialog, Picker::kSourceList, false);
        for (const int item : items) {
            backend_.ControlClickListItem(dialog, Picker::kSourceList, item);
        }
        backend_.Click(dialog, Picker::kToSelected);
    }

    int SelectedCount(WindowHandle dialog) {
        return static_cast<int>(backend_.FindControl(dialog, Picker::kSelectedList).items.size());
    }

    // The keys of the selected list's entries, in list order.
    Texts SelectedKeys(WindowHandle dialog) {
        Texts keys;
        for (const auto& item : backend_.FindControl(dialog, Picker::kSelectedList).items) {
            keys.push_back(item.text.substr(0, item.text.find_first_of(" \t")));
        }
        return keys;
    }

    std::vector<int> SourceSelection(WindowHandle dialog) {
        return backend_.GetSelItems(dialog, Picker::kSourceList);
    }

    ui::headless::ScriptedUser user_;
    HeadlessBackend backend_{user_};
    HeadlessPlatform platform_{user_};
    RecipientCollection collection_;
};

using Pickers = testing::Types<ContactFilePicker, SpeedDialPicker>;
struct PickerName {
    template <typename Picker>
    static std::string GetName(int) {
        return std::is_same_v<Picker, ContactFilePicker> ? "ContactFile" : "SpeedDial";
    }
};
TYPED_TEST_SUITE(PickerListTest, Pickers, PickerName);

TYPED_TEST(PickerListTest, LimitStopsEachMoveThatWouldPassItWithOneWarning) {
    this->collection_.limit = 50;
    this->Run(NumberedKeys(60), [&](WindowHandle dialog) {
        this->backend_.SelectAllListItems(dialog, TypeParam::kSourceList, false);
        for (int i = 0; i < 48; ++i) {
            this->backend_.ControlClickListItem(dialog, TypeParam::kSourceList, i);
        }
        this->backend_.Click(dialog, TypeParam::kToSelected);
        EXPECT_TRUE(this->user_.messages.empty());
        this->Move(dialog, {50, 51, 52, 53, 54});
        EXPECT_EQ(this->SelectedCount(dialog), 50);
        EXPECT_EQ(this->SelectedKeys(dialog).back(), "151");
        EXPECT_EQ(this->user_.messages.size(), 1u);
        this->Move(dialog, {55});
        EXPECT_EQ(this->user_.messages.size(), 2u);
        this->backend_.Click(dialog, ui::kIdOk);
    });
    EXPECT_EQ(this->collection_.count, 50);
    ASSERT_EQ(this->user_.messages.size(), 2u);
    const auto& warning = this->user_.messages[0];
    EXPECT_EQ(warning.text,
              "The selected recipients in list has reached the maximum entry limit.\nYou cannot "
              "import more than 50 recipients.");
    EXPECT_EQ(warning.caption, TypeParam::kCaption);
    EXPECT_EQ(warning.icon, ui::MessageIcon::Warning);
}

TYPED_TEST(PickerListTest, NoLimitWhenTheLimitIsZero) {
    this->Run(NumberedKeys(120), [&](WindowHandle dialog) {
        this->backend_.SelectAllListItems(dialog, TypeParam::kSourceList, true);
        this->backend_.Click(dialog, TypeParam::kToSelected);
        this->backend_.Click(dialog, ui::kIdOk);
    });
    EXPECT_EQ(this->collection_.count, 120);
    EXPECT_TRUE(this->user_.messages.empty());
}

TYPED_TEST(PickerListTest, DeleteRemovesTheSelectedEntriesWhichCanBeMovedAgain) {
    this->Run(NumberedKeys(5), [&](WindowHandle dialog) {
        this->Move(dialog, {0, 1, 2, 3, 4});
        this->backend_.ClickListItem(dialog, TypeParam::kSelectedList, 1);
        this->backend_.ControlClickListItem(dialog, TypeParam::kSelectedList, 2);
        this->backend_.ControlClickListItem(dialog, TypeParam::kSelectedList, 4);
        this->backend_.Click(dialog, TypeParam::kDelete);
        EXPECT_EQ(this->SelectedKeys(dialog), (Texts{"100", "103"}));
        this->backend_.ClickListItem(dialog, TypeParam::kSelectedList, 0);
        this->backend_.PressKey(dialog, TypeParam::kSelectedList, ui::kKeyDelete);
        EXPECT_EQ(this->SelectedKeys(dialog), (Texts{"103"}));
        this->backend_.Click(dialog, TypeParam::kDelete);  // nothing selected any more
        this->Move(dialog, {4, 0, 3});
        EXPECT_EQ(this->SelectedKeys(dialog), (Texts{"103", "100", "104"}));
        this->backend_.Click(dialog, ui::kIdOk);
    });
    EXPECT_EQ(this->collection_.count, 3);
    EXPECT_TRUE(this->user_.messages.empty());
}

TYPED_TEST(PickerListTest, TypeAheadFindsFromTheSelectionOnwardAndEnterOrADoubleClickMoves) {
    this->Run({"1", "10", "12", "2"}, [&](WindowHandle dialog) {
        this->backend_.ClickListItem(dialog, TypeParam::kSourceList, 3);
        this->backend_.TypeCharacter(dialog, TypeParam::kTypeAhead, '1');
        EXPECT_EQ(this->SourceSelection(dialog), std::vector<int>{0});
        this->backend_.TypeCharacter(dialog, TypeParam::kTypeAhead, '2');
        EXPECT_EQ(this->SourceSelection(dialog), std::vector<int>{2});
        this->backend_.TypeCharacter(dialog, TypeParam::kTypeAhead, '9');
        EXPECT_EQ(this->SourceSelection(dialog), std::vector<int>{2});  // no match: unchanged
        EXPECT_EQ(this->backend_.FindControl(dialog, TypeParam::kTypeAhead).text, "129");
        this->backend_.PressKey(dialog, TypeParam::kTypeAhead, ui::kKeyReturn);
        EXPECT_FALSE(this->backend_.HasEnded(dialog));
        EXPECT_EQ(this->SelectedKeys(dialog), Texts{"12"});
        this->backend_.DoubleClickListItem(dialog, TypeParam::kSourceList, 1);
        EXPECT_EQ(this->SelectedKeys(dialog), (Texts{"12", "10"}));
        this->backend_.Click(dialog, ui::kIdCancel);
    });
}

TYPED_TEST(PickerListTest, CancelAndTheCloseBoxHandNothingOver) {
    for (const bool closeBox : {false, true}) {
        this->collection_ = RecipientCollection{};
        const int end = this->Run({"1"}, [&](WindowHandle dialog) {
            this->Move(dialog, {0});
            if (closeBox) {
                this->backend_.ClickCloseBox(dialog);
            } else {
                this->backend_.PressKey(dialog, TypeParam::kSourceList, ui::kKeyEscape);
            }
        });
        EXPECT_EQ(end, ui::kIdCancel);
        EXPECT_EQ(this->collection_.count, 0);
        EXPECT_TRUE(this->collection_.entries.empty());
    }
}

TYPED_TEST(PickerListTest, AnEmptyListStillOpensAndOkChoosesNothing) {
    const int end = this->Run({}, [&](WindowHandle dialog) {
        EXPECT_TRUE(this->backend_.FindControl(dialog, TypeParam::kSourceList).items.empty());
        this->backend_.Click(dialog, TypeParam::kToSelected);
        this->backend_.Click(dialog, ui::kIdOk);
    });
    EXPECT_EQ(end, ui::kIdOk);
    EXPECT_EQ(this->collection_.count, 0);
    EXPECT_TRUE(this->user_.messages.empty());
}

}  // namespace
