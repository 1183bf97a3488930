#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "csv/csv_reader.h"
#include "fuzz/fuzz_platform.h"
#include "recipients/reader_result.h"
#include "ui/headless/memory_readable_file.h"
#include "ui/window_handle.h"

using namespace recipients;
using namespace csv;

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool IsFaxByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte > 0x20 && byte < 0x7B && c != ',' && c != '[' && c != ']' &&
           !(c >= 'a' && c <= 'z');
}

// Answers like a user would within what the real dialogs allow, steered by two input bytes.
class FuzzDialogs : public CsvDialogs {
  public:
    FuzzDialogs(std::uint8_t nameChoice, std::uint8_t faxChoice)
        : nameChoice_(nameChoice), faxChoice_(faxChoice) {}

    std::optional<ColumnMapping> MapFields(std::string_view,
                                           std::span<char* const> headerFields) override {
        const int count = static_cast<int>(headerFields.size());
        Require(count <= 1024);
        headerShown.assign(headerFields.begin(), headerFields.end());
        if (count == 0) {
            return std::nullopt;  // the dialog cannot end with OK without a fax column
        }
        ColumnMapping mapping;
        mapping.faxColumn = faxChoice_ % count;
        mapping.nameColumn = nameChoice_ % (count + 1) - 1;
        if (mapping.nameColumn == mapping.faxColumn) {
            mapping.nameColumn = -1;
        }
        return mapping;
    }

    int PickRecipients(std::string_view, std::span<const CsvCandidate> candidates,
                       RecipientCollection& collection) override {
        Require(collection.count == static_cast<int>(candidates.size()));
        collection.count = 0;
        for (const CsvCandidate& candidate : candidates) {
            offered.emplace_back(candidate.Name(), candidate.Fax());
            Require(candidate.Name().size() <= kFieldTextMax);
            Require(candidate.Fax().size() <= kFieldTextMax);
            for (const char c : candidate.Fax()) {
                Require(IsFaxByte(c));
            }
            if (!candidate.Fax().empty()) {
                ++collection.count;
            }
        }
        return ui::kIdOk;
    }

    std::vector<std::string> headerShown;
    std::vector<std::pair<std::string, std::string>> offered;

  private:
    std::uint8_t nameChoice_;
    std::uint8_t faxChoice_;
};

struct Outcome {
    int result = 0;
    int rejected = -1;
    std::vector<std::string> headerShown;
    std::vector<std::pair<std::string, std::string>> offered;

    bool operator==(const Outcome&) const = default;
};

Outcome ReadImage(CsvImage& image, int kind, const std::uint8_t* choices) {
    FuzzDialogs dialogs(choices[0], choices[1]);
    RecipientCollection collection;
    Outcome outcome;
    outcome.result = ReadCsvImage(image, "fuzz.csv", collection, outcome.rejected, kind, dialogs,
                                  FuzzPlatform());
    Require(outcome.result >= kBadCsvFormat);
    Require(outcome.result != kOpenFailed && outcome.result != kSizeFailed &&
            outcome.result != kReadFailed);
    if (outcome.result >= 0) {
        Require(outcome.result == collection.count);
    }
    outcome.headerShown = std::move(dialogs.headerShown);
    outcome.offered = std::move(dialogs.offered);
    return outcome;
}

}  // namespace

// The first byte picks the source kind and how the file is read a second time, through a window
// that must read it as the whole image does; the next two pick the mapped columns; the rest is
// the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const int kind = (data[0] & 1) != 0 ? kSourceCsvMapped : kSourceCsvAutoSearch;
    const std::size_t window = 4 + (data[0] >> 1) % 64;
    const std::size_t readLimit = (data[0] & 0x80) != 0 ? 1 + data[0] % 7 : SIZE_MAX;
    CsvImage image;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 3), size - 3);
    const int loaded = image.Assign(bytes, FuzzPlatform());
    if (loaded != 0) {
        Require(loaded == kReadFailed && bytes.empty());
        return 0;
    }
    const Outcome whole = ReadImage(image, kind, data + 1);
    CsvImage windowed;
    Require(windowed.Open(ui::headless::OpenMemoryFile(bytes, readLimit), FuzzPlatform(), window) ==
            0);
    Require(ReadImage(windowed, kind, data + 1) == whole);
    return 0;
}
