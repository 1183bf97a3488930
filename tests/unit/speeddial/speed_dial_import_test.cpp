#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "option_texts.h"
#include "resources/control_ids.h"
#include "speeddial/modal_speed_dial_dialogs.h"
#include "speeddial/speed_dial_reader.h"
#include "speeddial/speed_dial_writer.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"

using namespace recipients;
using namespace speeddial;

namespace {

using ui::headless::HeadlessBackend;
using namespace std::string_literals;

// A speed-dial file through the picker on the in-memory screen into result-file records.
TEST(SpeedDialImport, ReadsPicksAndWritesTheChosenRecords) {
    const std::string path =
        (std::filesystem::path(testing::TempDir()) / "speeddial_import_test.csv").string();
    std::ofstream(path, std::ios::binary)
        << "*,1,0,2\r\n"
        << "1,X,0101,Ann\r\n"
        << "2,P,0202,Bob [Sales],,,4,,,,," << EncodeOptionValue("123:4567") << ",P05/1,,"
        << EncodeOptionValue("77:88") << "\r\n"
        << "3,Q,0303,Cy\r\n"
        << "*\r\n";

    ui::headless::ScriptedUser user;
    HeadlessBackend backend(user);
    ui::headless::HeadlessPlatform platform(user);
    user.onDialog = [](HeadlessBackend& screen, ui::WindowHandle dialog) {
        screen.ClickListItem(dialog, IDC_SPEED_DIAL_SOURCE_LIST, 1);
        screen.Click(dialog, IDC_SPEED_DIAL_TO_SELECTED);
        screen.ClickListItem(dialog, IDC_SPEED_DIAL_SOURCE_LIST, 0);
        screen.Click(dialog, IDC_SPEED_DIAL_TO_SELECTED);
        screen.Click(dialog, ui::kIdOk);
    };
    ModalSpeedDialDialogs dialogs(backend, platform, "");
    RecipientCollection collection;
    SpeedDialRecords records;
    int rejected = 0;

    EXPECT_EQ(ReadSpeedDialSource(path, collection, rejected, records, dialogs, platform), 2);
    std::filesystem::remove(path);
    EXPECT_EQ(rejected, 1);
    EXPECT_EQ(collection.entries, (TextList{"Bob (Sales) [0202]", "Ann [0101]"}));

    std::string out;
    ASSERT_EQ(WriteSpeedDialRecords(out, collection, records), 2);
    ASSERT_EQ(out.size(), 2 * kSpeedDialRecordSize);

    SpeedDialRecord expected;
    CopyToField(expected.name, "Bob (Sales)");
    CopyToField(expected.faxNumber, "0202");
    expected.commMode = 2;
    expected.transmissionType = '0';
    CopyToField(expected.secureId, "123");
    CopyToField(expected.securePassword, "4567");
    CopyToField(expected.relayStation, "05");
    expected.relayPFlag = '1';
    expected.relayCount = 1;
    std::memcpy(expected.relayDestinations, "001", 3);
    CopyToField(expected.fCodeSubaddress, "77");
    CopyToField(expected.fCodePassword, "88");
    EXPECT_EQ(out.substr(0, kSpeedDialRecordSize),
              std::string(reinterpret_cast<const char*>(&expected), sizeof expected));

    // Byte-exact against the layout, not just against the struct.
    const std::string second = out.substr(kSpeedDialRecordSize);
    EXPECT_EQ(second.substr(0, 4), "Ann\0"s);
    EXPECT_EQ(second.substr(31, 5), "0101\0"s);
    EXPECT_EQ(second.substr(64, 5),
              "\0\0\0\0"s
              "0");
    EXPECT_EQ(second[83], '0');
    EXPECT_EQ(out.substr(64, 4), "\2\0\0\0"s);
    EXPECT_EQ(out.substr(68, 10),
              "0123\0"
              "4567\0"s);
    EXPECT_EQ(out.substr(80, 11),
              "05\0"
              "1"
              "\1\0\0\0"
              "001"s);
    EXPECT_EQ(out.substr(192, 3), "77\0"s);
    EXPECT_EQ(out.substr(213, 3), "88\0"s);
}

}  // namespace
