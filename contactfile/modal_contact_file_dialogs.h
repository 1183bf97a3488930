#pragma once

#include <string>
#include <string_view>

#include "contactfile/contact_file_dialogs.h"
#include "ui/backend.h"
#include "ui/platform.h"

namespace contactfile {

// The reader's questions as the field mapping and recipient picker dialogs.
class ModalContactFileDialogs : public ContactFileDialogs {
  public:
    ModalContactFileDialogs(ui::Backend& backend, ui::Platform& platform, std::string_view helpFile)
        : backend_(backend), platform_(platform), helpFile_(helpFile) {}

    std::optional<ColumnMapping> MapFields(std::string_view path,
                                           std::span<char* const> headerFields) override;
    int PickRecipients(std::string_view path,
                       std::span<const recipients::ContactCandidate> candidates,
                       recipients::RecipientCollection& collection) override;

  private:
    ui::Backend& backend_;
    ui::Platform& platform_;
    std::string helpFile_;
};

}  // namespace contactfile
