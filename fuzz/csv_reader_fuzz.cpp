#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "contactfile/contact_file_reader.h"
#include "fuzz/fuzz_platform.h"
#include "recipients/reader_result.h"
#include "ui/window_handle.h"

using namespace recipients;
using namespace contactfile;
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
class FuzzDialogs : public ContactFileDialogs {
  public:
    FuzzDialogs(std::uint8_t nameChoice, std::uint8_t faxChoice)
        : nameChoice_(nameChoice), faxChoice_(faxChoice) {}

    std::optional<ColumnMapping> MapFields(std::string_view,
                                           std::span<char* const> headerFields) override {
        const int count = static_cast<int>(headerFields.size());
        Require(count <= 1024);
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

    int PickRecipients(std::string_view, std::span<const recipients::ContactCandidate> candidates,
                       RecipientCollection& collection) override {
        Require(collection.count == static_cast<int>(candidates.size()));
        collection.count = 0;
        for (const recipients::ContactCandidate& candidate : candidates) {
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

  private:
    std::uint8_t nameChoice_;
    std::uint8_t faxChoice_;
};

}  // namespace

// The first byte picks the source kind and the code page, the next two the mapped columns; the
// rest is the file, read as a contact export: classic Mac files, titles of the file's own text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const recipients::SourceKind kind =
        (data[0] & 1) != 0 ? kSourceCsvMapped : kSourceCsvAutoSearch;
    ui::Platform& platform = UseFuzzCodePage((data[0] & 2) != 0);
    FuzzDialogs dialogs(data[1], data[2]);
    text::TextImage image;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 3), size - 3);
    const int loaded = image.Assign(bytes, platform, &kContactExport);
    if (loaded != 0) {
        Require(loaded == kReadFailed && bytes.empty());
        return 0;
    }
    RecipientCollection collection;
    int rejected = -1;
    const int result =
        ReadContactImage(image, "fuzz.csv", collection, rejected, kind, dialogs, platform);
    Require(result >= kBadCsvFormat);
    Require(result != kOpenFailed && result != kSizeFailed && result != kReadFailed);
    if (result >= 0) {
        Require(result == collection.count);
    }
    return 0;
}
