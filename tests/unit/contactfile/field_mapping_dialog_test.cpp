#include "contactfile/field_mapping_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "resources/control_ids.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/scripted_user.h"

using namespace contactfile;

namespace {

using ui::WindowHandle;
using ui::headless::HeadlessBackend;

class FieldMappingDialogTest : public testing::Test {
  protected:
    // Runs the dialog on the header, with the test acting as the user.
    int Run(std::vector<std::string> header, std::function<void(WindowHandle)> act) {
        header_ = std::move(header);
        fields_.clear();
        for (std::string& field : header_) {
            fields_.push_back(field.data());
        }
        user_.onDialog = [&](HeadlessBackend&, WindowHandle dialog) { act(dialog); };
        dialog_.emplace(backend_, "C:\\data\\list.csv", fields_);
        return dialog_->DoModal();
    }

    std::string Text(WindowHandle dialog, int id) { return backend_.FindControl(dialog, id).text; }

    ui::headless::ScriptedUser user_;
    HeadlessBackend backend_{user_};
    std::vector<std::string> header_;
    std::vector<char*> fields_;
    std::optional<FieldMappingDialog> dialog_;
};

TEST_F(FieldMappingDialogTest, ShowsTheHeaderFieldsWithBothRolesUnmapped) {
    Run({"Name", " Fax \"x\"", ""}, [&](WindowHandle dialog) {
        const auto& list = backend_.FindControl(dialog, IDC_MAPPING_COLUMNS);
        ASSERT_EQ(list.items.size(), 3u);
        EXPECT_EQ(list.items[1].text, " Fax \"x\"");
        EXPECT_EQ(list.currentSelection, 0);
        EXPECT_EQ(Text(dialog, IDC_MAPPING_NAME_BUTTON), "Map to");
        EXPECT_EQ(Text(dialog, IDC_MAPPING_FAX_BUTTON), "Map to");
        EXPECT_EQ(backend_.GetTitle(dialog), "CSV Import - C:\\data\\list.csv");
        EXPECT_EQ(backend_.Foreground(), dialog);
        backend_.Click(dialog, ui::kIdCancel);
    });
}

TEST_F(FieldMappingDialogTest, MappingTheOtherRolesColumnTakesItAway) {
    const int end = Run({"a", "b", "Fax"}, [&](WindowHandle dialog) {
        backend_.ClickListItem(dialog, IDC_MAPPING_COLUMNS, 2);
        backend_.Click(dialog, IDC_MAPPING_NAME_BUTTON);
        EXPECT_EQ(Text(dialog, IDC_MAPPING_NAME_EDIT), "Fax");
        EXPECT_EQ(Text(dialog, IDC_MAPPING_NAME_BUTTON), "UnMap");
        backend_.Click(dialog, IDC_MAPPING_FAX_BUTTON);
        EXPECT_EQ(Text(dialog, IDC_MAPPING_FAX_EDIT), "Fax");
        EXPECT_EQ(Text(dialog, IDC_MAPPING_FAX_BUTTON), "UnMap");
        EXPECT_EQ(Text(dialog, IDC_MAPPING_NAME_EDIT), "");
        EXPECT_EQ(Text(dialog, IDC_MAPPING_NAME_BUTTON), "Map to");
        backend_.Click(dialog, ui::kIdOk);
    });
    EXPECT_EQ(end, ui::kIdOk);
    EXPECT_EQ(dialog_->NameColumn(), -1);
    EXPECT_EQ(dialog_->FaxColumn(), 2);
    EXPECT_TRUE(user_.messages.empty());
}

TEST_F(FieldMappingDialogTest, MappedButtonUnmapsWhateverIsSelected) {
    Run({"a", "b", "c"}, [&](WindowHandle dialog) {
        backend_.ClickListItem(dialog, IDC_MAPPING_COLUMNS, 1);
        backend_.Click(dialog, IDC_MAPPING_NAME_BUTTON);
        backend_.ClickListItem(dialog, IDC_MAPPING_COLUMNS, 2);
        EXPECT_EQ(Text(dialog, IDC_MAPPING_NAME_EDIT), "b");  // selecting alone maps nothing
        backend_.Click(dialog, IDC_MAPPING_NAME_BUTTON);
        EXPECT_EQ(Text(dialog, IDC_MAPPING_NAME_EDIT), "");
        EXPECT_EQ(Text(dialog, IDC_MAPPING_NAME_BUTTON), "Map to");
        backend_.Click(dialog, IDC_MAPPING_NAME_BUTTON);
        EXPECT_EQ(Text(dialog, IDC_MAPPING_NAME_EDIT), "c");
        backend_.ClickListItem(dialog, IDC_MAPPING_COLUMNS, 0);
        backend_.Click(dialog, IDC_MAPPING_FAX_BUTTON);
        backend_.Click(dialog, ui::kIdOk);
    });
    EXPECT_EQ(dialog_->NameColumn(), 2);
    EXPECT_EQ(dialog_->FaxColumn(), 0);
}

TEST_F(FieldMappingDialogTest, OkWithoutFaxWarnsAndStaysOpen) {
    const int end = Run({"Name", "Fax"}, [&](WindowHandle dialog) {
        backend_.Click(dialog, IDC_MAPPING_NAME_BUTTON);
        backend_.PressKey(dialog, IDC_MAPPING_COLUMNS, ui::kKeyReturn);
        EXPECT_FALSE(backend_.HasEnded(dialog));
        backend_.ClickListItem(dialog, IDC_MAPPING_COLUMNS, 1);
        backend_.Click(dialog, IDC_MAPPING_FAX_BUTTON);
        backend_.PressKey(dialog, IDC_MAPPING_COLUMNS, ui::kKeyReturn);
    });
    EXPECT_EQ(end, ui::kIdOk);
    ASSERT_EQ(user_.messages.size(), 1u);
    EXPECT_EQ(user_.messages[0].text, "You must map at least a field to the Fax Number.");
    EXPECT_EQ(user_.messages[0].caption, "CSV Import");
    EXPECT_EQ(user_.messages[0].icon, ui::MessageIcon::Warning);
    EXPECT_NE(user_.messages[0].owner, 0u);
    EXPECT_EQ(dialog_->NameColumn(), 0);
    EXPECT_EQ(dialog_->FaxColumn(), 1);
}

TEST_F(FieldMappingDialogTest, EmptyHeaderLeavesOnlyCancel) {
    const int end = Run({}, [&](WindowHandle dialog) {
        backend_.Click(dialog, IDC_MAPPING_NAME_BUTTON);
        backend_.Click(dialog, IDC_MAPPING_FAX_BUTTON);
        EXPECT_EQ(Text(dialog, IDC_MAPPING_FAX_BUTTON), "Map to");
        backend_.Click(dialog, ui::kIdOk);
        EXPECT_FALSE(backend_.HasEnded(dialog));
        backend_.ClickCloseBox(dialog);
    });
    EXPECT_EQ(end, ui::kIdCancel);
    EXPECT_EQ(user_.messages.size(), 1u);
}

TEST_F(FieldMappingDialogTest, SingleFieldTakesOnlyOneRole) {
    Run({"Only"}, [&](WindowHandle dialog) {
        backend_.Click(dialog, IDC_MAPPING_FAX_BUTTON);
        backend_.Click(dialog, IDC_MAPPING_NAME_BUTTON);
        EXPECT_EQ(Text(dialog, IDC_MAPPING_FAX_BUTTON), "Map to");
        EXPECT_EQ(Text(dialog, IDC_MAPPING_NAME_BUTTON), "UnMap");
        backend_.PressKey(dialog, IDC_MAPPING_COLUMNS, ui::kKeyEscape);
    });
    EXPECT_EQ(dialog_->NameColumn(), 0);
    EXPECT_EQ(dialog_->FaxColumn(), -1);
}

}  // namespace
