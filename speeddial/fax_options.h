#pragma once

#include <string_view>

#include "speeddial/speed_dial_record.h"

namespace speeddial {

// Encoders of a chosen record's fax options from the texts of its file columns. They write only
// the option fields of the record and never fail: malformed text leaves fields empty.

// Relay broadcast, "[P]station[/destination...]". Returns 1 when the record holds a relay station
// and at least one destination.
int EncodeRelayFax(SpeedDialRecord& record, std::string_view relayText);
// Secure fax, encoded "id[:password]". Returns 1 when the setting is usable.
int EncodeSecureFax(SpeedDialRecord& record, std::string_view secureText);
// F code, encoded "subaddress[:password]".
void EncodeFCode(SpeedDialRecord& record, std::string_view fCodeText);
// All three, and the transmission type that follows from the relay and secure results.
void ApplyFaxOptions(SpeedDialRecord& record, std::string_view relayText,
                     std::string_view secureText, std::string_view fCodeText);

}  // namespace speeddial
