// The long lists: opening the speed-dial picker (its sorted list), moving every entry with
// "To ->", and walking an address-book list whose members all bring a fax number. Each grows
// linearly with the number of entries.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "app/address_book_source.h"
#include "resources/control_ids.h"
#include "speeddial/speed_dial_picker_dialog.h"
#include "speeddial/speed_dial_reader.h"
#include "tests/providers/memory/memory_book.h"
#include "tests/providers/memory/memory_connection.h"
#include "tests/scenario_library/scenario.h"
#include "text/text_image.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"

namespace {

using Clock = std::chrono::steady_clock;
using ui::headless::HeadlessBackend;

// Records with the numbers 1 to count in file order, each its own recipient.
void ReadSpeedDialRecords(int count, ui::Platform& platform,
                          recipients::RecipientCollection& collection,
                          speeddial::SpeedDialRecords& records) {
    std::string text = "*,1,0,2\r\n";
    for (int i = 1; i <= count; ++i) {
        const std::string number = std::to_string(i);
        text += number + ",X,030" + number + ",Person " + number + "\r\n";
    }
    text::TextImage image;
    image.Assign(text, platform);
    int rejected = 0;
    speeddial::ParseSpeedDialImage(image, collection, rejected, records);
}

// "Open" times the picker up to its first window; "Move" times "To ->" with every entry
// selected.
void RunSpeedDialPicker(benchmark::State& state, bool timeTheMove) {
    const int count = static_cast<int>(state.range(0));
    ui::headless::ScriptedUser user;
    HeadlessBackend backend(user);
    ui::headless::HeadlessPlatform platform(user);
    std::size_t moved = 0;
    for (auto _ : state) {
        recipients::RecipientCollection collection;
        speeddial::SpeedDialRecords records;
        ReadSpeedDialRecords(count, platform, collection, records);
        const auto opened = Clock::now();
        user.onDialog = [&](HeadlessBackend& screen, ui::WindowHandle dialog) {
            const auto moving = Clock::now();
            if (timeTheMove) {
                screen.SelectAllListItems(dialog, IDC_SPEED_DIAL_SOURCE_LIST, true);
                screen.Click(dialog, IDC_SPEED_DIAL_TO_SELECTED);
                moved = screen.FindControl(dialog, IDC_SPEED_DIAL_SELECTED_LIST).items.size();
            }
            const std::chrono::duration<double> elapsed =
                Clock::now() - (timeTheMove ? moving : opened);
            state.SetIterationTime(elapsed.count());
            screen.Click(dialog, ui::kIdCancel);
        };
        speeddial::SpeedDialPickerDialog picker(backend, platform, "", "bench.csv", records,
                                                collection);
        picker.DoModal();
    }
    state.counters["moved"] = static_cast<double>(moved);
    state.SetComplexityN(count);
}

void BM_SpeedDialPickerOpen(benchmark::State& state) {
    RunSpeedDialPicker(state, false);
}
void BM_SpeedDialMoveAll(benchmark::State& state) {
    RunSpeedDialPicker(state, true);
}

// One distribution list chosen in the address dialog, with `count` mail users of their own fax
// numbers.
scenario::Setup ListOfMembers(int count) {
    std::string text = "wab present\n";
    std::string members;
    for (int i = 0; i < count; ++i) {
        const std::string id = "u" + std::to_string(i);
        text += "user " + id + " \"Person " + std::to_string(i) + "\" primary 030" +
                std::to_string(i) + "\n";
        members += " member " + id;
    }
    text += "list all Everyone" + members + "\nchoose all\nrun\n";
    return scenario::ParseScenarioText(text, "bench").setup;
}

void BM_AddressBookListMembers(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const scenario::Setup setup = ListOfMembers(count);
    const providers::MemoryBook book(setup);
    ui::headless::ScriptedUser user;
    HeadlessBackend backend(user);
    ui::headless::HeadlessPlatform platform(user);
    int imported = 0;
    for (auto _ : state) {
        providers::MemoryConnection connection(book);
        recipients::ImportContext context(backend, platform);
        app::AddressBookSource source(context, connection);
        recipients::RecipientCollection collection;
        recipients::ImportCounters counters;
        source.OpenWabAddressBook("");
        source.ImportFromAddressDialog(collection, counters);
        source.CloseWabAddressBook();
        imported = collection.count;
    }
    state.counters["imported"] = imported;
    state.SetComplexityN(count);
}

BENCHMARK(BM_SpeedDialPickerOpen)
    ->RangeMultiplier(10)
    ->Range(1'000, 1'000'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_SpeedDialMoveAll)
    ->RangeMultiplier(10)
    ->Range(1'000, 100'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_AddressBookListMembers)
    ->RangeMultiplier(10)
    ->Range(1'000, 100'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
