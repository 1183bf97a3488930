#pragma once

#include <cstddef>

#include "recipients/recipient_collection.h"
#include "speeddial/speed_dial_record.h"
#include "ui/dialog.h"

namespace speeddial {

// A read-only view of one speed-dial entry as the file gave it.
class SpeedDialRecordDialog : public ui::Dialog {
  public:
    SpeedDialRecordDialog(ui::Backend& backend, const SpeedDialRecords& records,
                          const recipients::RecipientCollection& collection,
                          std::size_t recordIndex);

  protected:
    bool OnInitDialog() override;

  private:
    const SpeedDialRecords& records_;
    const recipients::RecipientCollection& collection_;
    std::size_t recordIndex_;
};

}  // namespace speeddial
