#pragma once

#include <string_view>

#include "recipients/recipient_collection.h"
#include "speeddial/speed_dial_record.h"

namespace speeddial {

// The user's part of a speed-dial import, apart from the reading itself.
class SpeedDialDialogs {
  public:
    virtual ~SpeedDialDialogs() = default;
    // Runs the picker over the records whose number the collection's count holds. Returns the
    // dialog's end code: ui::kIdOk (count and entries then hold the chosen entries, and
    // speedDialNumbers their record indices), ui::kIdCancel, or -1 when it cannot be shown.
    virtual int PickEntries(std::string_view fileName, const SpeedDialRecords& records,
                            recipients::RecipientCollection& collection) = 0;
};

}  // namespace speeddial
