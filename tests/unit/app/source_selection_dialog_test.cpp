#include "app/source_selection_dialog.h"
#include "resources/control_ids.h"

#include <gtest/gtest.h>

#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"

using namespace recipients;
using namespace app;

namespace {

using ui::headless::HeadlessBackend;

class SourceSelectionTest : public testing::Test {
  protected:
    // Shows the dialog, lets the test act on it and returns the end code.
    int Show(const std::function<void(HeadlessBackend&, ui::WindowHandle)>& act) {
        user_.onDialog = [&](HeadlessBackend& backend, ui::WindowHandle dialog) {
            items_.clear();
            for (const auto& item : backend.FindControl(dialog, IDC_SOURCE_KINDS).items) {
                items_.push_back(item.text);
            }
            act(backend, dialog);
        };
        SourceSelectionDialog dialog(context_);
        return dialog.DoModal();
    }

    static void Pick(HeadlessBackend& backend, ui::WindowHandle dialog, const std::string& text) {
        const auto& items = backend.FindControl(dialog, IDC_SOURCE_KINDS).items;
        for (int i = 0; i < static_cast<int>(items.size()); ++i) {
            if (items[i].text == text) {
                backend.PickComboItem(dialog, IDC_SOURCE_KINDS, i);
                return;
            }
        }
        FAIL() << "no item " << text;
    }

    ui::headless::ScriptedUser user_;
    HeadlessBackend backend_{user_};
    ui::headless::HeadlessPlatform platform_{user_};
    ImportContext context_{backend_, platform_};
    std::vector<std::string> items_;
};

TEST_F(SourceSelectionTest, OffersOnlyTheFileSourcesOnABareMachine) {
    const int kind = Show([](HeadlessBackend& backend, ui::WindowHandle dialog) {
        EXPECT_EQ(backend.FindControl(dialog, IDC_SOURCE_KINDS).currentSelection, 0);
        EXPECT_TRUE(backend.FindControl(dialog, IDC_SOURCE_AUTO_SEARCH).visible);
        EXPECT_FALSE(backend.FindControl(dialog, IDC_SOURCE_AUTO_SEARCH).checked);
        EXPECT_FALSE(backend.FindControl(dialog, IDC_SOURCE_DEFAULT_WAB).visible);
        backend.Click(dialog, 1);
    });
    EXPECT_EQ(items_, (std::vector<std::string>{"Comma Separated Values (CSV)",
                                                "Speed Dial Data EWS-CSV"}));
    EXPECT_EQ(kind, kSourceCsvMapped);
    EXPECT_EQ(context_.addressBookLibraryPath, "");
}

TEST_F(SourceSelectionTest, OffersTheAddressBooksThatAreThere) {
    platform_.SetProfileInt("Mail", "MAPIX", 1);
    platform_.SetMachineRegistryDefault("Software\\Microsoft\\WAB\\DLLPath",
                                        std::string("C:\\wab\\wab32.dll\0", 17));
    platform_.AddLoadableLibrary("C:\\wab\\wab32.dll");
    const int kind =
        Show([](HeadlessBackend& backend, ui::WindowHandle dialog) { backend.Click(dialog, 1); });
    EXPECT_EQ(items_, (std::vector<std::string>{
                          "MS Messaging System Address Book", "Windows Address Book (WAB)",
                          "Comma Separated Values (CSV)", "Speed Dial Data EWS-CSV"}));
    EXPECT_EQ(kind, kSourceMessagingAddressBook);
    EXPECT_EQ(context_.addressBookLibraryPath, "C:\\wab\\wab32.dll");
}

TEST_F(SourceSelectionTest, IgnoresAProfileValueOtherThanOne) {
    platform_.SetProfileInt("Mail", "MAPIX", 2);
    platform_.AddLoadableLibrary("WAB32.DLL");
    const int kind = Show([](HeadlessBackend& backend, ui::WindowHandle dialog) {
        EXPECT_TRUE(backend.FindControl(dialog, IDC_SOURCE_DEFAULT_WAB).visible);
        EXPECT_TRUE(backend.FindControl(dialog, IDC_SOURCE_DEFAULT_WAB).checked);
        backend.Click(dialog, 1);
    });
    EXPECT_EQ(items_.front(), "Windows Address Book (WAB)");
    EXPECT_EQ(kind, kSourceDefaultWabFile);
    EXPECT_EQ(context_.addressBookLibraryPath, "WAB32.DLL");
}

TEST_F(SourceSelectionTest, KeepsAHiddenCheckBoxStateUntilItIsShownAgain) {
    platform_.AddLoadableLibrary("WAB32.DLL");
    const int kind = Show([](HeadlessBackend& backend, ui::WindowHandle dialog) {
        backend.Click(dialog, IDC_SOURCE_DEFAULT_WAB);
        Pick(backend, dialog, "Comma Separated Values (CSV)");
        EXPECT_FALSE(backend.FindControl(dialog, IDC_SOURCE_DEFAULT_WAB).visible);
        EXPECT_FALSE(backend.FindControl(dialog, IDC_SOURCE_DEFAULT_WAB).enabled);
        Pick(backend, dialog, "Windows Address Book (WAB)");
        EXPECT_FALSE(backend.FindControl(dialog, IDC_SOURCE_DEFAULT_WAB).checked);
        backend.Click(dialog, 1);
    });
    EXPECT_EQ(kind, kSourceWabFile);
}

TEST_F(SourceSelectionTest, IgnoresTheAutoSearchBoxForOtherSources) {
    const int autoSearch = Show([](HeadlessBackend& backend, ui::WindowHandle dialog) {
        backend.Click(dialog, IDC_SOURCE_AUTO_SEARCH);
        backend.Click(dialog, 1);
    });
    EXPECT_EQ(autoSearch, kSourceCsvAutoSearch);

    const int speedDial = Show([](HeadlessBackend& backend, ui::WindowHandle dialog) {
        backend.Click(dialog, IDC_SOURCE_AUTO_SEARCH);
        Pick(backend, dialog, "Speed Dial Data EWS-CSV");
        backend.Click(dialog, 1);
    });
    EXPECT_EQ(speedDial, kSourceSpeedDial);
}

TEST_F(SourceSelectionTest, CancelsByButtonEscapeAndCloseBox) {
    EXPECT_EQ(Show([](HeadlessBackend& b, ui::WindowHandle d) { b.Click(d, 2); }), kSourceCancel);
    EXPECT_EQ(Show([](HeadlessBackend& b, ui::WindowHandle d) {
                  b.PressKey(d, IDC_SOURCE_KINDS, ui::kKeyEscape);
              }),
              kSourceCancel);
    EXPECT_EQ(Show([](HeadlessBackend& b, ui::WindowHandle d) { b.ClickCloseBox(d); }),
              kSourceCancel);
}

TEST_F(SourceSelectionTest, OpensHelpOnlyWhenThereIsAHelpFile) {
    Show([](HeadlessBackend& b, ui::WindowHandle d) {
        b.Click(d, IDC_SOURCE_HELP);
        b.Click(d, 2);
    });
    EXPECT_TRUE(platform_.HelpRequests().empty());

    context_.helpFilePath = "C:\\Tools\\VORDAL.HLP";
    Show([](HeadlessBackend& b, ui::WindowHandle d) {
        b.Click(d, IDC_SOURCE_HELP);
        b.Click(d, 2);
    });
    ASSERT_EQ(platform_.HelpRequests().size(), 1u);
    EXPECT_EQ(platform_.HelpRequests()[0].file, "C:\\Tools\\VORDAL.HLP");
    EXPECT_EQ(platform_.HelpRequests()[0].contextId, 15510);
}

}  // namespace
