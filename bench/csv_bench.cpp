// Throughput of the CSV reader on a large file (ASCII, UTF-8, UTF-16) and cost of moving many
// candidates in the picker.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "contactfile/contact_file_reader.h"
#include "contactfile/recipient_picker_dialog.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"

using namespace recipients;
using namespace contactfile;
using namespace csv;

namespace {

constexpr int kLargeFileLines = 1'000'000;

enum class TextEncoding { kAscii, kUtf8, kUtf16 };

// UTF-8 text whose characters are all below U+0800 as UTF-16 LE after its byte-order mark.
std::string Utf16FromUtf8(std::string_view text) {
    std::string utf16 = "\xFF\xFE";
    utf16.reserve(2 + 2 * text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned unit = static_cast<unsigned char>(text[i]);
        if (unit >= 0xC0) {
            unit = ((unit & 0x1Fu) << 6) | (static_cast<unsigned char>(text[++i]) & 0x3Fu);
        }
        utf16 += static_cast<char>(unit & 0xFF);
        utf16 += static_cast<char>(unit >> 8);
    }
    return utf16;
}

// A CSV file of one header and data lines with two fax columns, about 60 MB: kLargeFileLines
// lines of ASCII or UTF-8 without a byte-order mark (accented names), half as many in UTF-16.
class LargeCsvFile {
  public:
    explicit LargeCsvFile(TextEncoding encoding) {
        path_ = (std::filesystem::temp_directory_path() /
                 ("csv_bench_" + std::to_string(::getpid()) + "_" +
                  std::to_string(static_cast<int>(encoding)) + ".csv"))
                    .string();
        const int lines = encoding == TextEncoding::kUtf16 ? kLargeFileLines / 2 : kLargeFileLines;
        const char* const name =
            encoding == TextEncoding::kAscii ? "Name" : "Zo\xC3\xAB M\xC3\xBCller";
        std::string bytes = "Name,Business Fax,Home Fax,Company\r\n";
        bytes.reserve(70u * kLargeFileLines);
        char line[96];
        for (int i = 0; i < lines; ++i) {
            const int length = std::snprintf(
                line, sizeof line, "%s %07d,+49 30 %07d,+49 40 %07d,ACME Trading GmbH\r\n", name, i,
                i, lines - i);
            bytes.append(line, static_cast<std::size_t>(length));
        }
        if (encoding == TextEncoding::kUtf16) {
            bytes = Utf16FromUtf8(bytes);
        }
        std::ofstream(path_, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        size_ = bytes.size();
    }
    ~LargeCsvFile() { std::remove(path_.c_str()); }

    const std::string& path() const { return path_; }
    std::size_t size() const { return size_; }

  private:
    std::string path_;
    std::size_t size_ = 0;
};

const LargeCsvFile& SharedLargeFile(TextEncoding encoding) {
    static const LargeCsvFile ascii(TextEncoding::kAscii);
    if (encoding == TextEncoding::kAscii) {
        return ascii;
    }
    static const LargeCsvFile utf8(TextEncoding::kUtf8);
    if (encoding == TextEncoding::kUtf8) {
        return utf8;
    }
    static const LargeCsvFile utf16(TextEncoding::kUtf16);
    return utf16;
}

// Peak resident memory since the last reset, from the kernel's high-water mark.
class PeakMemory {
  public:
    static void Reset() { std::ofstream("/proc/self/clear_refs") << "5"; }
    static long Kilobytes(const char* field) {
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind(field, 0) == 0) {
                return std::stol(line.substr(std::strlen(field)));
            }
        }
        return 0;
    }
};

// Counts the candidates and closes the picker at once.
class CountingDialogs : public ContactFileDialogs {
  public:
    std::size_t candidates = 0;

    std::optional<ColumnMapping> MapFields(std::string_view, std::span<char* const>) override {
        return std::nullopt;
    }
    int PickRecipients(std::string_view, std::span<const recipients::ContactCandidate> offered,
                       RecipientCollection& collection) override {
        candidates = offered.size();
        collection.count = 0;
        return ui::kIdCancel;
    }
};

void BM_ReadLargeCsvFile(benchmark::State& state, TextEncoding encoding) {
    const LargeCsvFile& file = SharedLargeFile(encoding);
    CountingDialogs dialogs;
    ui::headless::ScriptedUser user;
    ui::headless::HeadlessPlatform platform(user);
    long peakKilobytes = 0;
    for (auto _ : state) {
        RecipientCollection collection;
        int rejected = 0;
        PeakMemory::Reset();
        const long before = PeakMemory::Kilobytes("VmRSS:");
        benchmark::DoNotOptimize(ReadContactFile(file.path(), collection, rejected,
                                                 recipients::kSourceCsvAutoSearch, dialogs,
                                                 platform));
        peakKilobytes = std::max(peakKilobytes, PeakMemory::Kilobytes("VmHWM:") - before);
    }
    const double megabytes = static_cast<double>(file.size()) / 1e6;
    state.counters["MB/s"] =
        benchmark::Counter(megabytes, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["file_MB"] = megabytes;
    state.counters["candidates"] = static_cast<double>(dialogs.candidates);
    state.counters["peak_MB"] = static_cast<double>(peakKilobytes) * 1024 / 1e6;
    state.counters["budget_MB"] =
        (3 * static_cast<double>(file.size()) + 80 * static_cast<double>(dialogs.candidates)) / 1e6;
}
BENCHMARK_CAPTURE(BM_ReadLargeCsvFile, ascii, TextEncoding::kAscii)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3);
BENCHMARK_CAPTURE(BM_ReadLargeCsvFile, utf8, TextEncoding::kUtf8)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3);
BENCHMARK_CAPTURE(BM_ReadLargeCsvFile, utf16, TextEncoding::kUtf16)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3);

// Candidates with distinct names and fax numbers, and the texts they point to.
struct NumberedCandidates {
    explicit NumberedCandidates(int count) {
        for (int i = 0; i < count; ++i) {
            names.push_back("Person " + std::to_string(i));
            faxes.push_back("+4930" + std::to_string(1'000'000 + i));
        }
        for (int i = 0; i < count; ++i) {
            candidates.push_back({names[i].c_str(), faxes[i].c_str()});
        }
    }
    std::vector<std::string> names;
    std::vector<std::string> faxes;
    std::vector<recipients::ContactCandidate> candidates;
};

// "To ->" with every candidate selected and no limit, timed alone inside the running picker.
void BM_MoveAllCandidates(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const NumberedCandidates numbered(count);
    ui::headless::ScriptedUser user;
    ui::headless::HeadlessBackend backend(user);
    ui::headless::HeadlessPlatform platform(user);
    int moved = 0;
    user.onDialog = [&](ui::headless::HeadlessBackend& screen, ui::WindowHandle dialog) {
        screen.SelectAllListItems(dialog, 1004, true);
        const auto start = std::chrono::steady_clock::now();
        screen.Click(dialog, 1001);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        moved = static_cast<int>(screen.FindControl(dialog, 1002).items.size());
        screen.Click(dialog, ui::kIdCancel);
    };
    for (auto _ : state) {
        RecipientCollection collection;
        collection.count = count;
        RecipientPickerDialog picker(backend, platform, "", "bench.csv", numbered.candidates,
                                     collection);
        picker.DoModal();
    }
    state.counters["moved"] = moved;
    state.SetComplexityN(count);
}
BENCHMARK(BM_MoveAllCandidates)
    ->RangeMultiplier(2)
    ->Range(25'000, 100'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
