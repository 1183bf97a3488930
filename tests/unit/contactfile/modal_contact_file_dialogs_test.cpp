#include "contactfile/modal_contact_file_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contactfile/contact_file_reader.h"
#include "tests/unit/temp_file.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"

using namespace recipients;
using namespace contactfile;

namespace {

using ui::WindowHandle;
using ui::headless::HeadlessBackend;

constexpr int kRecipientPicker = 102;
constexpr int kFieldMapping = 114;

class CsvImportThroughDialogsTest : public testing::Test {
  protected:
    int TemplateOf(WindowHandle dialog) { return backend_.FindWindow(dialog)->templateId; }

    ui::headless::ScriptedUser user_;
    HeadlessBackend backend_{user_};
    ui::headless::HeadlessPlatform platform_{user_};
    ModalContactFileDialogs dialogs_{backend_, platform_, "C:\\tool\\VORDAL.HLP"};
    RecipientCollection collection_;
    int rejected_ = 0;
    std::vector<int> shown_;
};

TEST_F(CsvImportThroughDialogsTest, MappedColumnsReachThePickerAndTheCollection) {
    const TempFile file("Company,Person,Telefax\nACME,Ann,030 1\nACME,Bob,\n");
    user_.onDialog = [&](HeadlessBackend& backend, WindowHandle dialog) {
        shown_.push_back(TemplateOf(dialog));
        if (TemplateOf(dialog) == kFieldMapping) {
            backend.ClickListItem(dialog, 1051, 1);
            backend.Click(dialog, 1053);
            backend.ClickListItem(dialog, 1051, 2);
            backend.Click(dialog, 1054);
            backend.Click(dialog, ui::kIdOk);
            return;
        }
        EXPECT_EQ(backend.FindControl(dialog, 1004).items.size(), 2u);
        backend.SelectAllListItems(dialog, 1004, true);
        backend.Click(dialog, 1001);
        backend.Click(dialog, ui::kIdOk);
    };
    EXPECT_EQ(ReadContactFile(file.path(), collection_, rejected_, recipients::kSourceCsvMapped,
                              dialogs_, platform_),
              1);
    EXPECT_EQ(shown_, (std::vector<int>{kFieldMapping, kRecipientPicker}));
    EXPECT_EQ(collection_.entries, (std::vector<std::string>{"Ann [0301]"}));
    EXPECT_EQ(rejected_, 1);
}

TEST_F(CsvImportThroughDialogsTest, CancelledMappingEndsTheRead) {
    const TempFile file("Name,Fax\nAnn,1\n");
    user_.onDialog = [&](HeadlessBackend& backend, WindowHandle dialog) {
        shown_.push_back(TemplateOf(dialog));
        backend.ClickCloseBox(dialog);
    };
    EXPECT_EQ(ReadContactFile(file.path(), collection_, rejected_, recipients::kSourceCsvMapped,
                              dialogs_, platform_),
              0);
    EXPECT_EQ(shown_, (std::vector<int>{kFieldMapping}));
}

TEST_F(CsvImportThroughDialogsTest, CancelledPickerLeavesTheCollectionEmpty) {
    const TempFile file("Name,Fax\nAnn,1\n");
    user_.onDialog = [&](HeadlessBackend& backend, WindowHandle dialog) {
        backend.SelectAllListItems(dialog, 1004, true);
        backend.Click(dialog, 1001);
        backend.Click(dialog, ui::kIdCancel);
    };
    EXPECT_EQ(ReadContactFile(file.path(), collection_, rejected_, recipients::kSourceCsvAutoSearch,
                              dialogs_, platform_),
              0);
    EXPECT_EQ(collection_.count, 0);
    EXPECT_TRUE(collection_.entries.empty());
}

}  // namespace
