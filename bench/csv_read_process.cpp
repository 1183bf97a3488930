// The project's reader in the reader race: a CSV file read to cleaned candidates with automatic
// search, the picker answered at once. Prints the number of candidates offered.
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "contactfile/contact_file_reader.h"
#include "recipients/source_kind.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"
#include "ui/window_handle.h"

namespace {

class AnsweringDialogs : public contactfile::ContactFileDialogs {
  public:
    std::size_t offered = 0;

    std::optional<contactfile::ColumnMapping> MapFields(std::string_view,
                                                        std::span<char* const>) override {
        return std::nullopt;
    }
    int PickRecipients(std::string_view, std::span<const recipients::ContactCandidate> candidates,
                       recipients::RecipientCollection& collection) override {
        offered = candidates.size();
        collection.count = 0;
        return ui::kIdCancel;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: csv_read_process FILE\n");
        return 2;
    }
    AnsweringDialogs dialogs;
    ui::headless::ScriptedUser user;
    ui::headless::HeadlessPlatform platform(user);
    recipients::RecipientCollection collection;
    int rejected = 0;
    const int result = contactfile::ReadContactFile(
        argv[1], collection, rejected, recipients::kSourceCsvAutoSearch, dialogs, platform);
    if (result < 0) {
        std::fprintf(stderr, "reader result %d\n", result);
        return 1;
    }
    std::printf("%zu\n", dialogs.offered);
    return 0;
}
