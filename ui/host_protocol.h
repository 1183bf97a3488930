#pragma once

// What the tool and the fax application that starts it agree on: the tool reads the host's
// limit control, and posts one of the commands to the host window once the result file is
// written (or the run ends without one).
namespace ui {

// A host window with a child control of this id takes at most the limited number of recipients.
inline constexpr int kHostLimitControlId = 1008;
// WM_COMMAND to the host after an import of names and fax numbers.
inline constexpr int kNameFaxImportedCommand = 1022;
// WM_COMMAND to the host after a speed-dial import.
inline constexpr int kSpeedDialImportedCommand = 1028;

}  // namespace ui
