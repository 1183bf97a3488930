// Whole runs in which the lists run out of memory: nothing partial is imported as if it were the
// whole, and the user is told.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/import_run.h"
#include "app/product_source_readers.h"
#include "resources/control_ids.h"
#include "tests/unit/addressbook/memory_book_fixture.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"

namespace {

using ui::headless::HeadlessBackend;

constexpr char kCsv[] = "Comma Separated Values (CSV)";

class OutOfMemoryRunTest : public testing::Test, protected MemoryBookFixture {
  protected:
    OutOfMemoryRunTest() {
        dir_ = std::filesystem::temp_directory_path() /
               ("out-of-memory-" + std::to_string(::getpid()) + "-" +
                std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::create_directories(dir_);
        source_ = (dir_ / "source.csv").string();
        platform_.SetCommandLine((dir_ / "result.dat").string());
        user_.onFileOpen = [this](const ui::FileOpenRequest&) {
            return std::optional<std::string>(source_);
        };
        MakeBook("");
    }
    ~OutOfMemoryRunTest() override { std::filesystem::remove_all(dir_); }

    // Chooses the source; from then on the lists hold at most `items` items together.
    void Run(const std::string& source, const std::string& bytes, std::size_t items,
             const std::function<void(HeadlessBackend&, ui::WindowHandle)>& picker) {
        std::ofstream(source_, std::ios::binary) << bytes;
        user_.onDialog = [&](HeadlessBackend& backend, ui::WindowHandle dialog) {
            const std::string title = backend.GetTitle(dialog);
            if (title == "Import Fax Recipient Data") {
                const auto& kinds = backend.FindControl(dialog, IDC_SOURCE_KINDS);
                for (int i = 0; i < static_cast<int>(kinds.items.size()); ++i) {
                    if (kinds.items[i].text == source) {
                        backend.PickComboItem(dialog, IDC_SOURCE_KINDS, i);
                    }
                }
                if (source == kCsv) {
                    backend.Click(dialog, IDC_SOURCE_AUTO_SEARCH);
                }
                backend_.LimitListItems(items);
                backend.Click(dialog, ui::kIdOk);
            } else if (title == "Import Fax Recipient Data - Confirmation") {
                confirmed_ = backend.FindControl(dialog, IDC_CONFIRMATION_LIST).items.size();
                backend.Click(dialog, ui::kIdOk);
            } else {
                picker(backend, dialog);
            }
        };
        recipients::ImportContext context(backend_, platform_);
        app::ProductSourceReaders sources(context, *connection_);
        ImportRun(context, sources);
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& message : user_.messages) {
            texts.push_back(message.caption + ": " + message.text);
        }
        return texts;
    }

    // The warning of a list that cannot take every entry moved to it.
    static std::string NoRoomWarning(const std::string& caption) {
        return caption +
               ": Insufficient memory to add multiple entries.\nReduce your selections and try "
               "again.";
    }

    std::filesystem::path dir_;
    std::string source_;
    ui::headless::ScriptedUser user_;
    HeadlessBackend backend_{user_};
    ui::headless::HeadlessPlatform platform_{user_};
    std::size_t confirmed_ = 0;
};

TEST_F(OutOfMemoryRunTest, APickerThatCannotOfferEveryCandidateImportsNothing) {
    Run(kCsv, "Name,Fax\r\nAnn,1\r\nBob,2\r\nCy,3\r\n", 2,
        [](HeadlessBackend&, ui::WindowHandle) { FAIL() << "the picker was shown"; });
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{
                  "CSV Import Error: Insufficient memory to import data from " + source_ + ".",
                  "Import Fax Recipient Data: No entry to be imported."}));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "result.dat"));
    EXPECT_EQ(platform_.PostedCommands().size(), 1u);
}

TEST_F(OutOfMemoryRunTest, ASelectedListWithoutRoomSaysSoAndKeepsWhatItShows) {
    Run("Speed Dial Data EWS-CSV", "*,1,0,2\r\n1,X,0101,Ann\r\n2,X,0202,Bob\r\n3,X,0303,Cy\r\n", 5,
        [](HeadlessBackend& backend, ui::WindowHandle dialog) {
            backend.SelectAllListItems(dialog, IDC_SPEED_DIAL_SOURCE_LIST, true);
            backend.Click(dialog, IDC_SPEED_DIAL_TO_SELECTED);
            EXPECT_EQ(backend.FindControl(dialog, IDC_SPEED_DIAL_SELECTED_LIST).items.size(), 2u);
            backend.Click(dialog, ui::kIdOk);
        });
    EXPECT_EQ(Messages(), (std::vector<std::string>{NoRoomWarning("Speed Dial CSV Import")}));
    EXPECT_EQ(confirmed_, 2u);
    EXPECT_EQ(std::filesystem::file_size(dir_ / "result.dat"), 4u + 2u * 236u);
}

// OK imports every entry, so a confirmation that cannot list them all says so.
TEST_F(OutOfMemoryRunTest, AConfirmationListWithoutRoomSaysSo) {
    Run(kCsv, "Name,Fax\r\nAnn,1\r\nBob,2\r\nCy,3\r\n", 100,
        [](HeadlessBackend& backend, ui::WindowHandle dialog) {
            backend.SelectAllListItems(dialog, IDC_PICKER_SOURCE_LIST, true);
            backend.Click(dialog, IDC_PICKER_TO_SELECTED);
            backend.LimitListItems(2);
            backend.Click(dialog, ui::kIdOk);
        });
    EXPECT_EQ(Messages(), (std::vector<std::string>{NoRoomWarning("Import Fax Recipient Data")}));
    EXPECT_LT(confirmed_, 3u);
    EXPECT_EQ(std::filesystem::file_size(dir_ / "result.dat"), 4u + 3u * 62u);
}

}  // namespace
