#include <gtest/gtest.h>

#include <string>

#include "resources/resource_ids.h"
#include "ui/headless/dialog_template.h"

namespace {

using ui::headless::ControlTemplate;
using ui::headless::DialogTemplate;
using ui::headless::FindDialogTemplate;

constexpr std::uint32_t kWsPopup = 0x80000000;
constexpr std::uint32_t kWsChild = 0x40000000;
constexpr std::uint32_t kWsVisible = 0x10000000;
constexpr std::uint32_t kWsCaption = 0x00C00000;
constexpr std::uint32_t kWsSysMenu = 0x00080000;
constexpr std::uint32_t kWsVScroll = 0x00200000;
constexpr std::uint32_t kWsTabStop = 0x00010000;
constexpr std::uint32_t kDsModalFrame = 0x0080;
constexpr std::uint32_t kDsSetForeground = 0x0200;
constexpr std::uint32_t kBsTypeMask = 0x000F;
constexpr std::uint32_t kBsDefPushButton = 0x0001;
constexpr std::uint32_t kBsAutoCheckBox = 0x0003;
constexpr std::uint32_t kSsTypeMask = 0x001F;
constexpr std::uint32_t kSsCenter = 0x0001;
constexpr std::uint32_t kSsRight = 0x0002;
constexpr std::uint32_t kEsMultiline = 0x0004;
constexpr std::uint32_t kEsReadOnly = 0x0800;
constexpr std::uint32_t kEsWantReturn = 0x1000;
constexpr std::uint32_t kLbsNotify = 0x0001;
constexpr std::uint32_t kLbsSort = 0x0002;
constexpr std::uint32_t kLbsUseTabStops = 0x0080;
constexpr std::uint32_t kLbsWantKeyboardInput = 0x0400;
constexpr std::uint32_t kLbsExtendedSel = 0x0800;
constexpr std::uint32_t kCbsTypeMask = 0x0003;
constexpr std::uint32_t kCbsDropDownList = 0x0003;
constexpr std::uint32_t kCbsSort = 0x0100;

const DialogTemplate& Dialog(int id) {
    const DialogTemplate* dialog = FindDialogTemplate(id);
    if (dialog == nullptr) {
        throw std::runtime_error("no dialog template " + std::to_string(id));
    }
    return *dialog;
}

const ControlTemplate& Control(int dialogId, int controlId) {
    for (const ControlTemplate& control : Dialog(dialogId).controls) {
        if (control.id == controlId) {
            return control;
        }
    }
    throw std::runtime_error("no control " + std::to_string(controlId) + " in dialog " +
                             std::to_string(dialogId));
}

bool Has(std::uint32_t style, std::uint32_t bits) {
    return (style & bits) == bits;
}

struct ExpectedDialog {
    int id;
    int width;
    int height;
    const char* caption;
};

constexpr ExpectedDialog kToolDialogs[] = {
    {kConfirmationTemplate, 255, 213, "Import Fax Recipient Data - Confirmation"},
    {kRecipientPickerTemplate, 291, 182, "CSV"},
    {kFieldMappingTemplate, 291, 137, "CSV"},
    {kSourceSelectionTemplate, 187, 95, "Import Fax Recipient Data"},
    {kProgressNoticeTemplate, 187, 58, "Import Fax Recipient Data"},
    {kSpeedDialPickerTemplate, 320, 182, "CSV"},
    {kSpeedDialRecordTemplate, 187, 164, "Speed Dial Record"},
};

TEST(DialogTemplateTable, HoldsEveryDialogOfTheToolWithItsSizeCaptionAndFont) {
    for (const ExpectedDialog& expected : kToolDialogs) {
        SCOPED_TRACE(expected.id);
        const DialogTemplate* dialog = FindDialogTemplate(expected.id);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->width, expected.width);
        EXPECT_EQ(dialog->height, expected.height);
        EXPECT_EQ(dialog->caption, expected.caption);
        EXPECT_EQ(dialog->fontName, "MS Shell Dlg");
        EXPECT_EQ(dialog->fontSize, 8);
        EXPECT_TRUE(Has(dialog->style, kWsPopup | kWsCaption));
    }
    EXPECT_EQ(FindDialogTemplate(100), nullptr);
}

TEST(DialogTemplateTable, ModalDialogsHaveAFrameAndCloseBoxAndComeToTheFront) {
    for (const ExpectedDialog& expected : kToolDialogs) {
        if (expected.id == kProgressNoticeTemplate) {
            continue;
        }
        SCOPED_TRACE(expected.id);
        EXPECT_TRUE(Has(Dialog(expected.id).style, kDsModalFrame | kWsSysMenu | kDsSetForeground));
        EXPECT_FALSE(Has(Dialog(expected.id).style, kWsVisible));
    }
}

TEST(DialogTemplateTable, ProgressNoticeShowsItselfWithOneCentredTextAndNoButtons) {
    const DialogTemplate& notice = Dialog(kProgressNoticeTemplate);
    EXPECT_TRUE(Has(notice.style, kWsVisible));
    EXPECT_FALSE(Has(notice.style, kWsSysMenu));
    ASSERT_EQ(notice.controls.size(), 1u);
    const ControlTemplate& text = notice.controls.front();
    EXPECT_EQ(text.className, "STATIC");
    EXPECT_EQ(text.style & kSsTypeMask, kSsCenter);
    EXPECT_EQ(text.text, "Retrieving and validating fax records...");
}

TEST(DialogTemplateTable, EveryControlIsAVisibleChildExceptTheHiddenSourceOptions) {
    for (const ExpectedDialog& expected : kToolDialogs) {
        for (const ControlTemplate& control : Dialog(expected.id).controls) {
            SCOPED_TRACE(std::to_string(expected.id) + "/" + std::to_string(control.id));
            EXPECT_TRUE(Has(control.style, kWsChild));
            const bool hiddenAtFirst = expected.id == kSourceSelectionTemplate &&
                                       (control.id == 1057 || control.id == 1059);
            EXPECT_EQ(Has(control.style, kWsVisible), !hiddenAtFirst);
        }
    }
}

TEST(DialogTemplateTable, SourceOptionsAreAutomaticCheckBoxesInOnePlace) {
    const ControlTemplate& autoSearch = Control(kSourceSelectionTemplate, 1057);
    const ControlTemplate& defaultWab = Control(kSourceSelectionTemplate, 1059);
    for (const ControlTemplate* box : {&autoSearch, &defaultWab}) {
        EXPECT_EQ(box->className, "BUTTON");
        EXPECT_EQ(box->style & kBsTypeMask, kBsAutoCheckBox);
        EXPECT_TRUE(Has(box->style, kWsTabStop));
    }
    EXPECT_EQ(autoSearch.text, "&Auto Search for CSV Data Fields");
    EXPECT_EQ(defaultWab.text, "Open &Default WAB File");
    EXPECT_EQ(autoSearch.x, defaultWab.x);
    EXPECT_EQ(autoSearch.y, defaultWab.y);

    const ControlTemplate& sources = Control(kSourceSelectionTemplate, 1056);
    EXPECT_EQ(sources.className, "COMBOBOX");
    EXPECT_EQ(sources.style & kCbsTypeMask, kCbsDropDownList);
    EXPECT_FALSE(Has(sources.style, kCbsSort));
    EXPECT_TRUE(Has(sources.style, kWsVScroll));
}

// Enter must move the selection across in the pickers, and confirm everywhere else.
TEST(DialogTemplateTable, EachDialogHasOneDefaultButtonAndThePickersDefaultToTheMove) {
    const std::pair<int, int> defaults[] = {
        {kConfirmationTemplate, 1},       {kRecipientPickerTemplate, 1001},
        {kFieldMappingTemplate, 1},       {kSourceSelectionTemplate, 1},
        {kSpeedDialPickerTemplate, 1001}, {kSpeedDialRecordTemplate, 1},
    };
    for (const auto& [dialogId, defaultId] : defaults) {
        SCOPED_TRACE(dialogId);
        int defaultButtons = 0;
        for (const ControlTemplate& control : Dialog(dialogId).controls) {
            if (control.className == "BUTTON" &&
                (control.style & kBsTypeMask) == kBsDefPushButton) {
                ++defaultButtons;
                EXPECT_EQ(control.id, defaultId);
            }
        }
        EXPECT_EQ(defaultButtons, 1);
    }
    EXPECT_EQ(Control(kRecipientPickerTemplate, 1001).text, "To ->");
    EXPECT_EQ(Control(kSpeedDialPickerTemplate, 1001).text, "To ->");
}

TEST(DialogTemplateTable, PickerListsSortAndTakeKeysAsTheirRolesNeed) {
    for (const int picker : {kRecipientPickerTemplate, kSpeedDialPickerTemplate}) {
        SCOPED_TRACE(picker);
        const ControlTemplate& source = Control(picker, 1004);
        const ControlTemplate& selected = Control(picker, 1002);
        for (const ControlTemplate* list : {&source, &selected}) {
            EXPECT_EQ(list->className, "LISTBOX");
            EXPECT_TRUE(Has(list->style, kLbsNotify | kLbsExtendedSel | kLbsUseTabStops));
        }
        EXPECT_TRUE(Has(selected.style, kLbsWantKeyboardInput));
        EXPECT_FALSE(Has(source.style, kLbsWantKeyboardInput));
        EXPECT_FALSE(Has(selected.style, kLbsSort));
    }
    EXPECT_FALSE(Has(Control(kRecipientPickerTemplate, 1004).style, kLbsSort));
    EXPECT_TRUE(Has(Control(kSpeedDialPickerTemplate, 1004).style, kLbsSort));

    const ControlTemplate& fields = Control(kFieldMappingTemplate, 1051);
    EXPECT_FALSE(Has(fields.style, kLbsSort));
    EXPECT_FALSE(Has(fields.style, kLbsExtendedSel));
    const ControlTemplate& confirmed = Control(kConfirmationTemplate, 1001);
    EXPECT_FALSE(Has(confirmed.style, kLbsSort));
    EXPECT_TRUE(Has(confirmed.style, kLbsUseTabStops));
}

TEST(DialogTemplateTable, OnlyTheTypeAheadBoxesAreEditable) {
    EXPECT_FALSE(Has(Control(kRecipientPickerTemplate, 1003).style, kEsReadOnly));
    EXPECT_FALSE(Has(Control(kSpeedDialPickerTemplate, 1003).style, kEsReadOnly));
    EXPECT_TRUE(Has(Control(kSpeedDialPickerTemplate, 1005).style,
                    kEsMultiline | kEsReadOnly | kEsWantReturn));
    for (const int id : {1003, 1004, 1005}) {
        EXPECT_TRUE(Has(Control(kConfirmationTemplate, id).style, kEsReadOnly)) << id;
    }
    for (const int id : {1052, 1055}) {
        EXPECT_TRUE(Has(Control(kFieldMappingTemplate, id).style, kEsReadOnly)) << id;
    }
    for (int id = 1060; id <= 1065; ++id) {
        EXPECT_EQ(Control(kSpeedDialRecordTemplate, id).className, "EDIT");
        EXPECT_TRUE(Has(Control(kSpeedDialRecordTemplate, id).style, kEsReadOnly)) << id;
    }
}

TEST(DialogTemplateTable, RecordLabelsAreRightAlignedBesideTheirFields) {
    int labels = 0;
    for (const ControlTemplate& control : Dialog(kSpeedDialRecordTemplate).controls) {
        if (control.className == "STATIC") {
            ++labels;
            EXPECT_EQ(control.style & kSsTypeMask, kSsRight) << control.text;
            EXPECT_EQ(control.id, -1);
        }
    }
    EXPECT_EQ(labels, 6);
}

TEST(DialogTemplateTable, StringTableHoldsBothFileFilters) {
    EXPECT_EQ(ui::headless::FindStringResource(kCsvFilterString),
              "Comma Separated Values (*.CSV)|*.csv|vCard Files (*.VCF)|*.vcf|All Files "
              "(*.*)|*.*|");
    EXPECT_EQ(ui::headless::FindStringResource(kWabFilterString),
              "Windows Address Book (*.WAB)|*.wab|All Files (*.*)|*.*|");
    EXPECT_EQ(ui::headless::FindStringResource(3), "");
}

}  // namespace
