// Whole runs in which one allocation fails, each allocation in turn: every run tells the user or
// imports everything, and hands the host window back once.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "app/import_app.h"
#include "resources/control_ids.h"
#include "tests/unit/app/allocation_failure_hook.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/headless_platform.h"
#include "ui/host_protocol.h"

namespace {

using ui::headless::HeadlessBackend;
using ui::headless::HeadlessPlatform;
using ui::headless::MessageRequest;

// Picks the source, chooses every candidate and confirms; any other dialog is cancelled.
class ImportingUser : public ui::headless::HeadlessUser {
  public:
    ImportingUser(std::string source, std::string file, int sourceList, int toSelected)
        : source_(std::move(source)),
          file_(std::move(file)),
          sourceList_(sourceList),
          toSelected_(toSelected) {}

    void OnDialog(HeadlessBackend& backend, ui::WindowHandle dialog) override {
        std::string title;
        std::optional<int> sourceIndex;
        {
            const PauseFailure reading;
            title = backend.FindWindow(dialog)->title;
            if (title == "Import Fax Recipient Data") {
                const auto& kinds = backend.FindControl(dialog, IDC_SOURCE_KINDS).items;
                for (std::size_t i = 0; i < kinds.size(); ++i) {
                    if (kinds[i].text == source_) {
                        sourceIndex = static_cast<int>(i);
                    }
                }
            }
        }
        if (sourceIndex) {
            backend.PickComboItem(dialog, IDC_SOURCE_KINDS, *sourceIndex);
            if (source_.starts_with("Comma")) {
                backend.Click(dialog, IDC_SOURCE_AUTO_SEARCH);
            }
            backend.Click(dialog, ui::kIdOk);
        } else if (title.ends_with(file_)) {
            backend.SelectAllListItems(dialog, sourceList_, true);
            backend.Click(dialog, toSelected_);
            backend.Click(dialog, ui::kIdOk);
        } else if (title == "Import Fax Recipient Data - Confirmation") {
            backend.Click(dialog, ui::kIdOk);
        } else {
            backend.Click(dialog, ui::kIdCancel);
        }
    }
    ui::MessageAnswer OnMessage(const MessageRequest& request) override {
        const PauseFailure recording;
        messages.push_back(request.caption + ": " + request.text);
        return ui::MessageAnswer::Ok;
    }
    std::optional<std::string> OnFileOpen(const ui::FileOpenRequest&) override { return file_; }

    std::vector<std::string> messages;

  private:
    std::string source_;
    std::string file_;
    int sourceList_;
    int toSelected_;
};

struct Outcome {
    bool failed = false;  // the allocation to fail was reached
    std::vector<std::string> messages;
    std::vector<HeadlessPlatform::PostedCommand> commands;
    bool hostEnabled = false;
    std::optional<std::string> result;
};

class AllocationFailureTest : public testing::Test {
  protected:
    AllocationFailureTest() {
        dir_ = std::filesystem::temp_directory_path() /
               ("allocation-failure-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    ~AllocationFailureTest() override { std::filesystem::remove_all(dir_); }

    // One run through the application object, the allocation after `before` others failing.
    Outcome Run(const std::string& source, const std::string& content, int sourceList,
                int toSelected, long before) {
        const std::string file = (dir_ / "source.csv").string();
        std::ofstream(file, std::ios::binary) << content;
        std::filesystem::remove(dir_ / "result.dat");
        ImportingUser user(source, file, sourceList, toSelected);
        HeadlessBackend backend(user);
        HeadlessPlatform platform(user);
        platform.SetCommandLine((dir_ / "result.dat").string());

        FailAllocationAfter(before);
        app::ImportApp(backend, platform).InitInstance();
        Outcome outcome;
        outcome.failed = before >= 0 && AllocationFailed();
        FailAllocationAfter(-1);
        outcome.messages = user.messages;
        outcome.commands = platform.PostedCommands();
        outcome.hostEnabled = platform.HostEnabled() && platform.HostInForeground();
        if (std::ifstream in{dir_ / "result.dat", std::ios::binary}) {
            std::ostringstream bytes;
            bytes << in.rdbuf();
            outcome.result = bytes.str();
        }
        return outcome;
    }

    void FailEachAllocationInTurn(const std::string& source, const std::string& content,
                                  int sourceList, int toSelected, int command) {
        const Outcome whole = Run(source, content, sourceList, toSelected, -1);
        ASSERT_TRUE(whole.messages.empty());
        ASSERT_TRUE(whole.result.has_value());
        long before = 0;
        for (;; ++before) {
            const Outcome outcome = Run(source, content, sourceList, toSelected, before);
            if (!outcome.failed) {
                break;
            }
            SCOPED_TRACE("allocation " + std::to_string(before + 1) + " failed");
            ASSERT_EQ(outcome.commands.size(), 1u);
            // Before the source is chosen, the run is not yet a speed-dial one.
            EXPECT_TRUE(outcome.commands[0].id == command ||
                        outcome.commands[0].id == ui::kNameFaxImportedCommand);
            EXPECT_TRUE(outcome.commands[0].hostWasEnabled);
            EXPECT_TRUE(outcome.hostEnabled);
            // Told nothing, the user must have everything; told, what the lists showed (the
            // picker keeps what it could show) or nothing.
            if (outcome.messages.empty()) {
                EXPECT_EQ(outcome.result, whole.result);
            }
        }
        EXPECT_GT(before, 100);
    }

    std::filesystem::path dir_;
};

TEST_F(AllocationFailureTest, ACsvImportTellsTheUserOrImportsEverything) {
    FailEachAllocationInTurn("Comma Separated Values (CSV)",
                             "Name,Fax\r\nAnn,1\r\nBob,2\r\nCy,3\r\n", IDC_PICKER_SOURCE_LIST,
                             IDC_PICKER_TO_SELECTED, ui::kNameFaxImportedCommand);
}

TEST_F(AllocationFailureTest, ASpeedDialImportTellsTheUserOrImportsEverything) {
    FailEachAllocationInTurn(
        "Speed Dial Data EWS-CSV", "*,1,0,2\r\n1,X,0101,Ann\r\n2,X,0202,Bob\r\n",
        IDC_SPEED_DIAL_SOURCE_LIST, IDC_SPEED_DIAL_TO_SELECTED, ui::kSpeedDialImportedCommand);
}

}  // namespace
