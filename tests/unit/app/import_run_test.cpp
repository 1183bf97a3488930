#include "app/import_run.h"
#include "resources/control_ids.h"
#include "ui/host_protocol.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/result_file.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"

using namespace recipients;
using namespace app;

namespace {

using ui::headless::HeadlessBackend;
using ui::headless::HeadlessPlatform;

// A source that hands over fixed entries, so the run's own steps can be watched.
class FixedSources : public SourceReaders {
  public:
    int csvResult = 0;
    int rejected = 0;
    std::vector<std::string> entries;
    bool throwOnRead = false;
    int released = 0;

    bool OpenMessagingAddressBook() override { return false; }
    void CloseMessagingAddressBook() override {}
    bool OpenWabAddressBook(const std::string&) override { return false; }
    void CloseWabAddressBook() override {}
    void ImportFromAddressDialog(RecipientCollection&, ImportCounters&) override {}
    int ReadContactFile(const std::string&, RecipientCollection& collection, int& rejectedCount,
                        SourceKind) override {
        if (throwOnRead) {
            throw std::runtime_error("reader failed");
        }
        collection.entries = entries;
        collection.count = static_cast<int>(entries.size());
        rejectedCount = rejected;
        return csvResult;
    }
    int ReadSpeedDialSource(const std::string&, RecipientCollection&, int&) override { return 0; }
    int AppendSpeedDialRecords(std::string&, RecipientCollection&) override { return 0; }
    void ReleaseSpeedDialRecords() override { ++released; }
};

class ImportRunTest : public testing::Test {
  protected:
    ImportRunTest() {
        dir_ = std::filesystem::temp_directory_path() /
               ("import-run-" + std::to_string(::getpid()) + "-" +
                std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::create_directories(dir_);
        resultPath_ = (dir_ / "result.dat").string();
        platform_.SetCommandLine(resultPath_ + " more words");
        user_.onFileOpen = [this](const ui::FileOpenRequest& request) {
            fileTitles_.push_back(request.title);
            return std::optional<std::string>((dir_ / "people.csv").string());
        };
    }
    ~ImportRunTest() override { std::filesystem::remove_all(dir_); }

    // Picks a source in the first dialog, then OK or Cancel in the confirmation.
    void Answer(const std::string& source, bool autoSearch, int confirmation) {
        user_.onDialog = [=, this](HeadlessBackend& backend, ui::WindowHandle dialog) {
            if (backend.GetTitle(dialog) == "Import Fax Recipient Data") {
                const auto& list = backend.FindControl(dialog, IDC_SOURCE_KINDS);
                for (int i = 0; i < static_cast<int>(list.items.size()); ++i) {
                    if (list.items[i].text == source) {
                        backend.PickComboItem(dialog, IDC_SOURCE_KINDS, i);
                    }
                }
                if (autoSearch) {
                    backend.Click(dialog, IDC_SOURCE_AUTO_SEARCH);
                }
                backend.Click(dialog, 1);
            } else {
                confirmationSeen_ = SnapshotConfirmation(backend, dialog);
                backend.Click(dialog, confirmation);
            }
        };
    }

    static std::vector<std::string> SnapshotConfirmation(HeadlessBackend& backend,
                                                         ui::WindowHandle dialog) {
        std::vector<std::string> seen;
        for (int id : {IDC_CONFIRMATION_HEADLINE, IDC_CONFIRMATION_SELECTED,
                       IDC_CONFIRMATION_REJECTED, IDC_CONFIRMATION_VALID,
                       IDC_CONFIRMATION_LIMIT_NOTE, IDC_CONFIRMATION_REJECTED_LABEL}) {
            seen.push_back(backend.GetText(dialog, id));
        }
        for (const auto& item : backend.FindControl(dialog, IDC_CONFIRMATION_LIST).items) {
            seen.push_back(item.text);
        }
        return seen;
    }

    void Run() {
        ImportContext context(backend_, platform_);
        ImportRun(context, sources_);
    }

    std::optional<std::string> ResultBytes() const {
        std::ifstream in(resultPath_, std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path dir_;
    std::string resultPath_;
    ui::headless::ScriptedUser user_;
    HeadlessBackend backend_{user_};
    HeadlessPlatform platform_{user_};
    FixedSources sources_;
    std::vector<std::string> fileTitles_;
    std::vector<std::string> confirmationSeen_;
};

TEST_F(ImportRunTest, WritesConfirmedEntriesAndHandsTheHostBack) {
    platform_.SetHost(true, true);
    sources_.entries = {"Ann [123]", " [456]"};
    sources_.csvResult = 2;
    sources_.rejected = 3;
    Answer("Comma Separated Values (CSV)", true, 1);
    Run();

    EXPECT_EQ(fileTitles_, std::vector<std::string>{"Import CSV File"});
    EXPECT_EQ(confirmationSeen_,
              (std::vector<std::string>{"2 fax entries will be imported:", "2", "3", "2", "",
                                        "Rejected from database:", "Ann\t123", "\t456"}));
    const auto bytes = ResultBytes();
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 4 + 2 * kNameFaxRecordSize);
    EXPECT_EQ(bytes->substr(0, 4), std::string("\x02\0\0\0", 4));
    EXPECT_EQ(bytes->substr(4, 4), std::string("Ann\0", 4));
    EXPECT_EQ(bytes->substr(4 + 31, 4), std::string("123\0", 4));
    EXPECT_EQ((*bytes)[4 + 62], '\0');
    EXPECT_TRUE(user_.messages.empty());

    EXPECT_TRUE(platform_.HostEnabled());
    EXPECT_TRUE(platform_.HostInForeground());
    ASSERT_EQ(platform_.PostedCommands().size(), 1u);
    EXPECT_EQ(platform_.PostedCommands()[0].id, ui::kNameFaxImportedCommand);
    EXPECT_TRUE(platform_.PostedCommands()[0].hostWasEnabled);
    EXPECT_EQ(sources_.released, 1);
}

TEST_F(ImportRunTest, CancelledConfirmationLeavesAnExistingResultUntouched) {
    std::ofstream(resultPath_, std::ios::binary) << "old";
    sources_.entries = {"Ann [123]"};
    sources_.csvResult = 1;
    Answer("Comma Separated Values (CSV)", false, 2);
    Run();

    EXPECT_EQ(ResultBytes(), "old");
    ASSERT_EQ(user_.messages.size(), 1u);
    EXPECT_EQ(user_.messages[0].text, "No entry to be imported.");
    EXPECT_EQ(user_.messages[0].icon, ui::MessageIcon::Warning);
    EXPECT_EQ(user_.messages[0].owner, HeadlessPlatform::kHostWindow);
}

TEST_F(ImportRunTest, SpeedDialRunsEndWithTheirOwnCommand) {
    Answer("Speed Dial Data EWS-CSV", false, 1);
    Run();
    EXPECT_EQ(fileTitles_, std::vector<std::string>{"Import Speed Dial EWS-CSV File"});
    ASSERT_EQ(user_.messages.size(), 1u);
    EXPECT_EQ(user_.messages[0].text, "No entry to be imported.");
    EXPECT_EQ(platform_.PostedCommands().at(0).id, ui::kSpeedDialImportedCommand);
}

TEST_F(ImportRunTest, ShowsEachReaderErrorWithThePath) {
    sources_.csvResult = -2;
    Answer("Comma Separated Values (CSV)", false, 1);
    Run();
    ASSERT_EQ(user_.messages.size(), 2u);
    EXPECT_EQ(user_.messages[0].text, "Fail to access " + (dir_ / "people.csv").string() +
                                          ".\nNo data has been read for import.");
    EXPECT_EQ(user_.messages[0].caption, "CSV Import Error");
    EXPECT_EQ(user_.messages[0].icon, ui::MessageIcon::Error);
    EXPECT_EQ(user_.messages[1].text, "No entry to be imported.");
}

TEST_F(ImportRunTest, HandsTheHostBackWhenTheRunFails) {
    sources_.throwOnRead = true;
    Answer("Comma Separated Values (CSV)", false, 1);
    EXPECT_THROW(Run(), std::runtime_error);
    EXPECT_TRUE(platform_.HostEnabled());
    EXPECT_TRUE(platform_.HostInForeground());
    EXPECT_EQ(platform_.PostedCommands().size(), 1u);
    EXPECT_EQ(sources_.released, 1);
}

TEST_F(ImportRunTest, ReportsAResultFileThatCannotBeWritten) {
    resultPath_ = (dir_ / "missing" / "result.dat").string();
    platform_.SetCommandLine(resultPath_);
    sources_.entries = {"Ann [123]"};
    sources_.csvResult = 1;
    Answer("Comma Separated Values (CSV)", false, 1);
    Run();
    ASSERT_EQ(user_.messages.size(), 1u);
    EXPECT_EQ(user_.messages[0].text,
              "Fail to write " + resultPath_ + ".\nNo entry has been imported.");
    EXPECT_EQ(user_.messages[0].caption, "Import Fax Recipient Data");
    EXPECT_EQ(user_.messages[0].icon, ui::MessageIcon::Error);
    EXPECT_EQ(platform_.PostedCommands().size(), 1u);
}

TEST_F(ImportRunTest, WithoutAHostRunsWithoutLimitOrCommand) {
    platform_.SetHost(false, false);
    user_.onDialog = [](HeadlessBackend& backend, ui::WindowHandle dialog) {
        backend.ClickCloseBox(dialog);
    };
    Run();
    EXPECT_TRUE(platform_.PostedCommands().empty());
    EXPECT_TRUE(user_.messages.empty());
}

TEST(ResultPathFromArguments, TakesTheFirstWord) {
    EXPECT_EQ(ResultPathFromArguments("C:\\out.dat more words"), "C:\\out.dat");
    EXPECT_EQ(ResultPathFromArguments(""), "");
    EXPECT_EQ(ResultPathFromArguments(" C:\\out.dat"), "");
    EXPECT_EQ(ResultPathFromArguments("C:\\a\tb c"), "C:\\a\tb");
    EXPECT_EQ(ResultPathFromArguments("\"C:\\My Files\\out.dat\" x"), "C:\\My Files\\out.dat");
    EXPECT_EQ(ResultPathFromArguments("\"C:\\unclosed x"), "C:\\unclosed x");
    EXPECT_EQ(ResultPathFromArguments("C:\\a\"b\" c"), "C:\\a\"b\"");
    const std::string longPath(1000, 'x');
    EXPECT_EQ(ResultPathFromArguments(longPath), longPath);
}

TEST(HelpFilePathBeside, ReplacesTheProgramName) {
    EXPECT_EQ(HelpFilePathBeside("C:\\Tools\\faximport.exe"), "C:\\Tools\\faximport.chm");
    EXPECT_EQ(HelpFilePathBeside("faximport.exe"), "faximport.chm");
}

}  // namespace
