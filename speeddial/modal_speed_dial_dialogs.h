#pragma once

#include <string>

#include "speeddial/speed_dial_dialogs.h"
#include "ui/backend.h"
#include "ui/platform.h"

namespace speeddial {

// The speed-dial picker on the dialog layer.
class ModalSpeedDialDialogs : public SpeedDialDialogs {
  public:
    ModalSpeedDialDialogs(ui::Backend& backend, ui::Platform& platform, std::string helpFile)
        : backend_(backend), platform_(platform), helpFile_(std::move(helpFile)) {}

    int PickEntries(std::string_view fileName, const SpeedDialRecords& records,
                    recipients::RecipientCollection& collection) override;

  private:
    ui::Backend& backend_;
    ui::Platform& platform_;
    std::string helpFile_;
};

}  // namespace speeddial
