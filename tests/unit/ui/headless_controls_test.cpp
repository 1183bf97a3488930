#include <gtest/gtest.h>

#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "ui/controls.h"
#include "ui/headless/collation.h"
#include "ui/headless/scripted_user.h"

namespace {

using ui::headless::HeadlessBackend;

// A dialog on a real template that records the notifications it gets.
class RecordingDialog : public ui::Dialog {
  public:
    RecordingDialog(ui::Backend& backend, int templateId) : ui::Dialog(backend, templateId) {
        for (int id : {IDC_PICKER_TO_SELECTED, IDC_PICKER_SELECTED_LIST, IDC_PICKER_TYPE_AHEAD,
                       IDC_PICKER_SOURCE_LIST}) {
            for (int code : {ui::kNotifyClicked, ui::kNotifySelChange, ui::kNotifyDoubleClick,
                             ui::kNotifyEditChange}) {
                OnCommand(id, code, [this, id, code] { events.push_back({id, code}); });
            }
        }
        OnVKeyToItem(IDC_PICKER_SELECTED_LIST, [this](int key, int caret) {
            keys.push_back({key, caret});
            return ui::kKeyHandled;
        });
    }
    std::vector<std::pair<int, int>> events;
    std::vector<std::pair<int, int>> keys;
    ui::ListBox source;
    ui::ListBox selected;
    ui::Edit typeAhead;

  protected:
    bool OnInitDialog() override {
        source.Bind(*this, IDC_PICKER_SOURCE_LIST);
        selected.Bind(*this, IDC_PICKER_SELECTED_LIST);
        typeAhead.Bind(*this, IDC_PICKER_TYPE_AHEAD);
        return true;
    }
};

class HeadlessControlsTest : public testing::Test {
  protected:
    // Runs a dialog on the template; the test body acts as the user.
    void WithDialog(
        int templateId,
        const std::function<void(RecordingDialog&, HeadlessBackend&, ui::WindowHandle)>& body) {
        RecordingDialog dialog(backend_, templateId);
        user_.onDialog = [&](HeadlessBackend& backend, ui::WindowHandle handle) {
            body(dialog, backend, handle);
            backend.ClickCloseBox(handle);
        };
        dialog.DoModal();
    }

    ui::headless::ScriptedUser user_;
    HeadlessBackend backend_{user_};
};

std::vector<std::string> Texts(const ui::headless::ControlState& list) {
    std::vector<std::string> texts;
    for (const auto& item : list.items) {
        texts.push_back(item.text);
    }
    return texts;
}

TEST_F(HeadlessControlsTest, SortedListBoxInsertsInTheControlsOwnOrder) {
    WithDialog(kSpeedDialPickerTemplate, [](RecordingDialog& d, HeadlessBackend& b, auto h) {
        for (const char* text : {"2", "10", "1", "b", "A", "_x"}) {
            d.source.AddString(text);
        }
        EXPECT_EQ(Texts(b.FindControl(h, IDC_PICKER_SOURCE_LIST)),
                  (std::vector<std::string>{"_x", "1", "10", "2", "A", "b"}));
        EXPECT_EQ(d.selected.AddString("2"), 0);
        EXPECT_EQ(d.selected.AddString("1"), 1);  // the selected list is not sorted
    });
}

// Texts that the collation often finds equal, so that where an equal item is probed matters.
std::vector<std::string> CrowdedTexts(int count) {
    static const char* const kTexts[] = {"1", "01", "a",  "A",     "b",
                                         "B", "1a", "1A", "co-op", "coop"};
    std::vector<std::string> texts;
    unsigned seed = 7;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        texts.push_back(kTexts[(seed >> 16) % std::size(kTexts)]);
    }
    return texts;
}

std::vector<std::pair<std::string, std::intptr_t>> Contents(
    const ui::headless::ControlState& list) {
    std::vector<std::pair<std::string, std::intptr_t>> contents;
    for (const auto& item : list.items) {
        contents.emplace_back(item.text, item.data);
    }
    return contents;
}

TEST_F(HeadlessControlsTest, AddingManyItemsPlacesThemAsAddingThemOneByOne) {
    const std::vector<std::string> texts = CrowdedTexts(5000);
    const std::size_t before = 700;  // already in the box when the rest come in one call
    std::vector<std::pair<std::string, std::intptr_t>> oneByOne;
    WithDialog(kSpeedDialPickerTemplate, [&](RecordingDialog& d, HeadlessBackend& b, auto h) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            d.source.SetItemData(d.source.AddString(texts[i]), static_cast<std::intptr_t>(i));
        }
        oneByOne = Contents(b.FindControl(h, 1004));
    });
    WithDialog(kSpeedDialPickerTemplate, [&](RecordingDialog& d, HeadlessBackend& b, auto h) {
        for (std::size_t i = 0; i < before; ++i) {
            d.source.SetItemData(d.source.AddString(texts[i]), static_cast<std::intptr_t>(i));
        }
        std::vector<ui::ListEntry> rest;
        for (std::size_t i = before; i < texts.size(); ++i) {
            rest.push_back({texts[i], static_cast<std::intptr_t>(i)});
        }
        EXPECT_TRUE(d.source.AddItems(rest));
        EXPECT_EQ(Contents(b.FindControl(h, 1004)), oneByOne);
    });
}

TEST_F(HeadlessControlsTest, AListOutOfMemoryAnswersErrSpace) {
    backend_.LimitListItems(2);
    WithDialog(kSpeedDialPickerTemplate, [](RecordingDialog& d, HeadlessBackend&, auto) {
        const ui::ListEntry three[] = {{"1", 1}, {"2", 2}, {"3", 3}};
        EXPECT_FALSE(d.source.AddItems(three));
        EXPECT_EQ(d.source.AddString("1"), 0);
        EXPECT_EQ(d.source.AddString("2"), 1);
        EXPECT_EQ(d.selected.AddString("3"), ui::kListErrorSpace);
    });
}

TEST_F(HeadlessControlsTest, FindStringSearchesAfterTheStartAndWraps) {
    WithDialog(kRecipientPickerTemplate, [](RecordingDialog& d, HeadlessBackend&, auto) {
        for (const char* text : {"Smith", "sam", "Tom", "SMALL"}) {
            d.source.AddString(text);
        }
        EXPECT_EQ(d.source.FindString(-1, "sm"), 0);
        EXPECT_EQ(d.source.FindString(0, "sm"), 3);
        EXPECT_EQ(d.source.FindString(3, "sm"), 0);
        EXPECT_EQ(d.source.FindString(0, "Smith"), 0);  // the start item itself comes last
        EXPECT_EQ(d.source.FindString(-1, "x"), ui::kListError);
        EXPECT_EQ(d.source.FindString(-1, ""), ui::kListError);
    });
}

TEST_F(HeadlessControlsTest, MultipleSelectionBoxesIgnoreSetCurSel) {
    WithDialog(kRecipientPickerTemplate, [](RecordingDialog& d, HeadlessBackend&, auto) {
        d.source.AddString("a");
        d.source.AddString("b");
        EXPECT_EQ(d.source.SetCurSel(1), ui::kListError);
        EXPECT_EQ(d.source.GetSelCount(), 0);
        d.source.SetSel(-1, true);
        EXPECT_EQ(d.source.GetSelItems(), (std::vector<int>{0, 1}));
        d.source.DeleteString(0);
        EXPECT_EQ(d.source.GetSelItems(), (std::vector<int>{0}));
        EXPECT_TRUE(d.events.empty());  // programmatic changes notify nobody
    });
}

TEST_F(HeadlessControlsTest, UserInputSendsTheRealNotifications) {
    WithDialog(kRecipientPickerTemplate, [](RecordingDialog& d, HeadlessBackend& b, auto h) {
        d.source.AddString("a");
        b.DoubleClickListItem(h, IDC_PICKER_SOURCE_LIST, 0);
        EXPECT_EQ(d.events, (std::vector<std::pair<int, int>>{
                                {IDC_PICKER_SOURCE_LIST, ui::kNotifySelChange},
                                {IDC_PICKER_SOURCE_LIST, ui::kNotifyDoubleClick},
                                {IDC_PICKER_SOURCE_LIST, ui::kNotifySelChange}}));
        d.events.clear();
        b.PressKey(h, IDC_PICKER_TYPE_AHEAD,
                   ui::kKeyReturn);  // the default button is "To ->", not OK
        EXPECT_EQ(d.events,
                  (std::vector<std::pair<int, int>>{{IDC_PICKER_TO_SELECTED, ui::kNotifyClicked}}));
        b.PressKey(h, IDC_PICKER_SELECTED_LIST, ui::kKeyDelete);
        EXPECT_EQ(d.keys, (std::vector<std::pair<int, int>>{{ui::kKeyDelete, 0}}));
    });
}

TEST_F(HeadlessControlsTest, TypingStopsAtTheEditLimitButSetTextDoesNot) {
    WithDialog(kSpeedDialPickerTemplate, [](RecordingDialog& d, HeadlessBackend& b, auto h) {
        d.typeAhead.LimitText(3);
        for (char c : std::string("1234")) {
            b.TypeCharacter(h, IDC_PICKER_TYPE_AHEAD, c);
        }
        EXPECT_EQ(d.typeAhead.GetText(), "123");
        EXPECT_EQ(d.events.size(), 3u);
        d.typeAhead.SetText("12345");
        EXPECT_EQ(d.typeAhead.GetText(), "12345");
        EXPECT_EQ(d.events.size(), 4u);
    });
}

TEST_F(HeadlessControlsTest, TopIndexStopsWhereTheListCannotScrollFurther) {
    WithDialog(kRecipientPickerTemplate, [](RecordingDialog& d, HeadlessBackend& b, auto h) {
        d.source.AddString("only");
        d.source.SetTopIndex(0);
        EXPECT_EQ(b.FindControl(h, IDC_PICKER_SOURCE_LIST).topIndex, 0);
        for (int i = 0; i < 40; ++i) {
            d.source.AddString(std::to_string(i));
        }
        const int rows = b.FindControl(h, IDC_PICKER_SOURCE_LIST).visibleRows;
        d.source.SetTopIndex(40);
        EXPECT_EQ(b.FindControl(h, IDC_PICKER_SOURCE_LIST).topIndex, 41 - rows);
        d.source.SetTopIndex(5);
        EXPECT_EQ(b.FindControl(h, IDC_PICKER_SOURCE_LIST).topIndex, 5);
    });
}

TEST_F(HeadlessControlsTest, HiddenOrDisabledControlsRefuseTheUser) {
    WithDialog(kSourceSelectionTemplate, [](RecordingDialog&, HeadlessBackend& b, auto h) {
        EXPECT_THROW(b.Click(h, IDC_SOURCE_AUTO_SEARCH), ui::headless::ActionRefused);
    });
}

TEST(Collation, OrdersLikeTheSortedListBox) {
    using ui::headless::CompareItemTexts;
    EXPECT_LT(CompareItemTexts("1", "10"), 0);
    EXPECT_LT(CompareItemTexts("10", "2"), 0);
    EXPECT_LT(CompareItemTexts("apple", "Banana"), 0);
    EXPECT_LT(CompareItemTexts("\xE9t\xE9", "Sales"), 0);  // "été" sorts with the e
    EXPECT_EQ(CompareItemTexts("abc", "ABC"), 0);
    EXPECT_LT(CompareItemTexts("15", "1-5"), 0);  // a hyphen weighs only when all else is equal
    EXPECT_LT(CompareItemTexts("ac", "a-c"), 0);
    EXPECT_LT(CompareItemTexts("a-c", "ad"), 0);
    // The prefix search folds ASCII letters only, as Wine's list box does.
    EXPECT_TRUE(ui::headless::StartsWithIgnoringAsciiCase("\xC9TIENNE", "\xC9t"));
    EXPECT_FALSE(ui::headless::StartsWithIgnoringAsciiCase("\xC9tienne", "\xE9t"));
}

}  // namespace
