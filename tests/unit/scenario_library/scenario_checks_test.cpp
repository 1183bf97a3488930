#include <gtest/gtest.h>

#include "tests/scenario_library/report.h"
#include "tests/scenario_library/result_file.h"
#include "tests/scenario_library/window_state.h"
#include "ui/host_protocol.h"

namespace scenario {
namespace {

Statement Step(const std::string& text) {
    const Scenario s = ParseScenarioText("run\ndialog D\n" + text + "\n", "t.scn");
    return s.steps.back();
}

WindowState PickerWindow() {
    WindowState window{"CSV Import - people.csv", {}};
    ControlState list;
    list.id = 1004;
    list.className = "LISTBOX";
    list.items = {"Ann [123]", "Ann [456]", "Bob []"};
    list.selected = {0, 2};
    list.topIndex = 1;
    window.controls.push_back(list);
    ControlState check;
    check.id = 1057;
    check.className = "BUTTON";
    check.text = "&Auto Search for CSV Data Fields";
    check.visible = false;
    window.controls.push_back(check);
    return window;
}

TEST(ScenarioExpectations, HoldOrReportWhatWasFound) {
    const WindowState window = PickerWindow();
    EXPECT_FALSE(
        CheckExpectation(Step("see-items 1004 \"Ann [123]\" \"Ann [456]\" \"Bob []\""), window));
    EXPECT_FALSE(CheckExpectation(Step("see-selected 1004 \"Ann [123]\" \"Bob []\""), window));
    EXPECT_FALSE(CheckExpectation(Step("see-top 1004 \"Ann [456]\""), window));
    EXPECT_FALSE(CheckExpectation(Step("see 1057 \"&Auto Search for CSV Data Fields\""), window));
    EXPECT_FALSE(CheckExpectation(Step("see-visible 1057 no"), window));
    EXPECT_FALSE(CheckExpectation(Step("see-checked 1057 no"), window));
    EXPECT_FALSE(CheckExpectation(Step("see-title \"CSV Import - people.csv\""), window));

    const auto items = CheckExpectation(Step("see-items 1004 \"Ann [123]\""), window);
    ASSERT_TRUE(items);
    EXPECT_EQ(items->expected, "1004 items \"Ann [123]\"");
    EXPECT_EQ(items->found, "1004 items \"Ann [123]\" \"Ann [456]\" \"Bob []\"");
    const auto none = CheckExpectation(Step("see-selected 1004"), window);
    ASSERT_TRUE(none);
    EXPECT_EQ(none->expected, "1004 selected");
    const auto missing = CheckExpectation(Step("see 1005 x"), window);
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->found.find("no control 1005"), std::string::npos);
}

// Both runners find the items an action names here: a repeated text takes the next equal item.
TEST(ScenarioActions, FindTheNamedItemsInOrder) {
    ControlState list;
    list.id = 1004;
    list.items = {"Bob []", "Ann [1]", "Bob []"};
    std::vector<int> indices;
    EXPECT_FALSE(FindItems(Step("select 1004 \"Bob []\" \"Bob []\""), 1, list, indices));
    EXPECT_EQ(indices, (std::vector<int>{0, 2}));
    EXPECT_FALSE(FindItems(Step("choose 1004 \"Ann [1]\""), 1, list, indices));
    EXPECT_EQ(indices, (std::vector<int>{1}));

    const auto third =
        FindItems(Step("select 1004 \"Bob []\" \"Bob []\" \"Bob []\""), 1, list, indices);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->expected, "item \"Bob []\" in 1004");
    EXPECT_EQ(third->found, "1004 items \"Bob []\" \"Ann [1]\" \"Bob []\"");
}

TEST(ScenarioExpectations, DescribeAndDump) {
    const WindowState window = PickerWindow();
    EXPECT_EQ(DumpItems(window.controls[0]),
              "item 1004 0 \"Ann [123]\"\nitem 1004 1 \"Ann [456]\"\nitem 1004 2 \"Bob []\"\n");
    const std::string text = DescribeWindows({window});
    EXPECT_NE(text.find("window \"CSV Import - people.csv\""), std::string::npos);
    EXPECT_NE(text.find("1004 LISTBOX text \"\" items \"Ann [123]\" \"Ann [456]\" \"Bob []\" "
                        "selected \"Ann [123]\" \"Bob []\" top 1 visible yes enabled yes"),
              std::string::npos);
    EXPECT_NE(text.find("1057 BUTTON text \"&Auto Search for CSV Data Fields\" checked no "
                        "visible no enabled yes"),
              std::string::npos);
}

std::string NameFaxFile(const std::vector<std::pair<std::string, std::string>>& records) {
    std::string file(4, '\0');
    file[0] = static_cast<char>(records.size());
    for (const auto& [name, fax] : records) {
        std::string record(62, '\0');
        record.replace(0, name.size(), name);
        record.replace(31, fax.size(), fax);
        file += record;
    }
    return file;
}

std::string SpeedDialFile() {
    std::string record(236, '\0');
    record.replace(0, 3, "Ann");
    record.replace(31, 3, "123");
    record[64] = 2;    // commMode
    record[68] = '1';  // transmissionType
    record[83] = '0';  // relayPFlag
    record[84] = 2;    // relayCount
    record.replace(80, 2, "05");
    record.replace(88, 3, "001");
    record.replace(91, 2, "12");  // an entry shorter than 3 bytes keeps its NUL
    record.replace(192, 4, "5678");
    return std::string("\x01\0\0\0", 4) + record;
}

HostLog Posted(int id) {
    HostLog host;
    host.commands.push_back({id, 0, true});
    return host;
}

std::optional<Mismatch> After(const std::string& text, const HostLog& host,
                              const std::optional<std::string>& result,
                              const std::optional<std::string>& original = std::nullopt) {
    const Scenario s = ParseScenarioText("run\n" + text + "\n", "t.scn");
    return CheckAfterRun(s.steps.back(), host, result, original);
}

TEST(ScenarioAfterRun, NameAndFaxRecords) {
    const std::string file = NameFaxFile({{"Ann", "123"}, {"Bob", "456"}});
    const HostLog host = Posted(ui::kNameFaxImportedCommand);
    EXPECT_FALSE(After("expect command 1022", host, file));
    EXPECT_FALSE(After("expect result count 2", host, file));
    EXPECT_FALSE(After("expect record 1 name Bob fax 456", host, file));
    EXPECT_FALSE(After("expect bytes 1 31 34 35 36 00", host, file));
    EXPECT_FALSE(After("expect bytes file 0 02000000", host, file));
    EXPECT_TRUE(After("expect result count 1", host, file));
    EXPECT_TRUE(After("expect record 2 name Bob fax 456", host, file));
    EXPECT_TRUE(After("expect command 1028", host, file));
    EXPECT_TRUE(After("expect result none", host, file));
    EXPECT_TRUE(After("expect field 0 commMode 0", host, file));  // not speed-dial records
    const auto bytes = After("expect bytes 0 60 00 00 00", host, file);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->found, "record 0 at 60: 00 00");  // a record ends at 62
}

TEST(ScenarioAfterRun, SpeedDialRecordsByTheirCommand) {
    const std::string file = SpeedDialFile();
    const HostLog host = Posted(ui::kSpeedDialImportedCommand);
    EXPECT_FALSE(After("expect result count 1", host, file));
    EXPECT_TRUE(After("expect result count 1", Posted(ui::kNameFaxImportedCommand), file));
    EXPECT_FALSE(After("expect record 0 name Ann fax 123", host, file));
    EXPECT_FALSE(After("expect field 0 commMode 2", host, file));
    EXPECT_FALSE(After("expect field 0 transmissionType 1", host, file));
    EXPECT_FALSE(After("expect field 0 relayStation 05", host, file));
    EXPECT_FALSE(After("expect field 0 relayPFlag 0", host, file));
    EXPECT_FALSE(After("expect field 0 relayCount 2", host, file));
    EXPECT_FALSE(After("expect field 0 relayDestinations 001/12", host, file));
    EXPECT_FALSE(After("expect field 0 fCodeSubaddress 5678", host, file));
    EXPECT_FALSE(After("expect field 0 secureId \"\"", host, file));
    // Without a host the layout is told by the file itself.
    HostLog noHost;
    noHost.hadHost = false;
    EXPECT_FALSE(After("expect result count 1", noHost, file));
    EXPECT_FALSE(After("expect command none", noHost, file));
    EXPECT_TRUE(After("expect command 1028", noHost, file));
}

TEST(ScenarioResultFile, RecordsAsTheHostListsThem) {
    EXPECT_EQ(DescribeRecords(NameFaxFile({{"Ann", "123"}, {"", "9"}}), kNameFaxRecordSize),
              (std::vector<std::string>{"Ann [123]", " [9]"}));
    const std::vector<std::string> lines = DescribeRecords(SpeedDialFile(), kSpeedDialRecordSize);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("Ann [123]  commMode=2  transmissionType=1", 0), 0u) << lines[0];
    // A file cut short lists only its whole records.
    EXPECT_TRUE(DescribeRecords(SpeedDialFile().substr(0, 200), kSpeedDialRecordSize).empty());
}

TEST(ScenarioResultFile, RelayDestinationsKeepInnerGaps) {
    std::string record = SpeedDialFile().substr(4);
    record.replace(94, 3, std::string(3, '\0'));
    record.replace(97, 3, "007");
    EXPECT_EQ(FieldValue(record, *FindSpeedDialField("relayDestinations")), "001/12//007");
    EXPECT_EQ(FindSpeedDialField("relay"), nullptr);
}

TEST(ScenarioAfterRun, CommandsAndUnchangedFiles) {
    HostLog twice = Posted(ui::kNameFaxImportedCommand);
    twice.commands.push_back({ui::kNameFaxImportedCommand, 0, true});
    EXPECT_TRUE(After("expect command 1022", twice, std::nullopt));
    HostLog disabled;
    disabled.commands.push_back({ui::kNameFaxImportedCommand, 0, false});
    EXPECT_TRUE(After("expect command 1022", disabled, std::nullopt));
    HostLog withLParam;
    withLParam.commands.push_back({ui::kNameFaxImportedCommand, 5, true});
    EXPECT_TRUE(After("expect command 1022", withLParam, std::nullopt));
    EXPECT_FALSE(After("expect command none", HostLog{}, std::nullopt));

    EXPECT_FALSE(
        After("expect result unchanged", HostLog{}, std::string("old"), std::string("old")));
    EXPECT_TRUE(
        After("expect result unchanged", HostLog{}, std::string("new"), std::string("old")));
    EXPECT_FALSE(After("expect result none", HostLog{}, std::nullopt));
    EXPECT_TRUE(After("expect result count 0", HostLog{}, std::nullopt));
}

TEST(ScenarioAfterRun, DumpResult) {
    EXPECT_EQ(DumpResult(std::nullopt), "result none\n");
    EXPECT_EQ(DumpResult(std::string(17, 'A')),
              "00000000  41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41\n00000010  41\n");
}

TEST(ScenarioReport, ExitCodes) {
    std::ostringstream out;
    Report report(out);
    report.Passed("a.scn");
    EXPECT_EQ(report.Finish(), 0);
    report.Failure("b.scn", 7, "click 1", {"x", "y"}, {});
    EXPECT_EQ(report.Finish(), 1);
    report.ParseFailure("c.scn", ParseError(3, "bad"));
    EXPECT_EQ(report.Finish(), 2);
    EXPECT_NE(out.str().find("FAIL b.scn:7: click 1\n  expected: x\n  found:    y\n"),
              std::string::npos);
    EXPECT_NE(out.str().find("ERROR c.scn:3: bad"), std::string::npos);
}

}  // namespace
}  // namespace scenario
